#pragma once

#include <string>
#include <string_view>

namespace orvalis::xlsx {

// A cell address such as "A12": column 1 is A, row 1 is the first row.
struct CellRef {
    int column = 1;
    int row = 1;

    friend bool operator==(const CellRef&, const CellRef&) = default;
};

inline constexpr int kMaxColumns = 16384;
inline constexpr int kMaxRows = 1048576;

// Throws std::invalid_argument for anything but a plain A1 address within the sheet.
CellRef ParseCellRef(std::string_view text);

// "A" for 1, "Z" for 26, "AA" for 27.
std::string ColumnLetters(int column);

// "A12".
std::string FormatCellRef(const CellRef& cell);

}  // namespace orvalis::xlsx
