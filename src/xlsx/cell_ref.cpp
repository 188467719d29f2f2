#include "xlsx/cell_ref.h"

#include <stdexcept>

namespace orvalis::xlsx {

CellRef ParseCellRef(std::string_view text) {
    auto invalid = [&] {
        return std::invalid_argument("not a cell address: " + std::string(text));
    };
    std::size_t i = 0;
    long column = 0;
    for (; i < text.size() && i < 4; ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + (c - 'A' + 1);
    }
    long row = 0;
    std::size_t digits = i;
    for (; i < text.size() && i - digits < 8; ++i) {
        if (text[i] < '0' || text[i] > '9') throw invalid();
        row = row * 10 + (text[i] - '0');
    }
    if (digits == 0 || i == digits || i != text.size() || text[digits] == '0') throw invalid();
    if (column > kMaxColumns || row > kMaxRows) throw invalid();
    return CellRef{static_cast<int>(column), static_cast<int>(row)};
}

std::string ColumnLetters(int column) {
    std::string letters;
    for (; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    }
    return letters;
}

std::string FormatCellRef(const CellRef& cell) {
    return ColumnLetters(cell.column) + std::to_string(cell.row);
}

}  // namespace orvalis::xlsx
