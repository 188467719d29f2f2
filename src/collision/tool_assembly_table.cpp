#include "collision/tool_assembly_table.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include <string>

namespace orvalis::collision {

forms::FlexGrid MakeToolAssemblyGrid() {
    forms::FlexGrid grid(kDesignedRows, kTableCols);
    for (int col = 1; col < kTableCols; ++col) {
        grid.SetTextMatrix(0, col, std::string(kFieldHeadings[static_cast<std::size_t>(col - 1)]));
    }
    return grid;
}

std::vector<AssemblyRecord> TableRows(const forms::FlexGrid& grid) {
    std::vector<AssemblyRecord> rows;
    for (int row = 1; row < grid.Rows(); ++row) {
        AssemblyRecord record;
        for (int col = 1; col < kTableCols; ++col) {
            record[static_cast<std::size_t>(col - 1)] = grid.TextMatrix(row, col);
        }
        rows.push_back(std::move(record));
    }
    return rows;
}

void AppendTableRow(forms::FlexGrid& grid, const AssemblyRecord& record) {
    int row = grid.Rows();
    grid.SetRows(row + 1);
    for (int col = 1; col < kTableCols; ++col) {
        grid.SetTextMatrix(row, col, record[static_cast<std::size_t>(col - 1)]);
    }
}

namespace {

bool IsNumber(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

std::optional<std::string> RecordProblem(const AssemblyRecord& record) {
    if (FieldOf(record, kDiameter).find_first_not_of(' ') == std::string::npos) {
        return std::string("공구경이 비어 있습니다. 공구경은 공구를 찾는 열쇠입니다.");
    }
    for (int number = 1; number <= kFieldCount; ++number) {
        const std::string& text = FieldOf(record, number);
        if (text.empty() || IsNumber(text)) continue;
        return std::string(kFieldHeadings[static_cast<std::size_t>(number - 1)]) +
               " 값이 숫자가 아닙니다: '" + text + "'";
    }
    return std::nullopt;
}

}  // namespace orvalis::collision
