#include "sheet/setup_sheet_layout.h"

#include <stdexcept>

namespace orvalis::sheet {

namespace {

constexpr int kFirstPageRowBefore = 11;
constexpr int kSecondPageRowShift = 14;
constexpr int kFirstPageHeadingRow = 11;
constexpr int kSecondPageHeadingRow = 5;

// Columns of grid columns 2 to 13 on each page.
constexpr std::array<std::string_view, kWrittenColumns> kFirstPageColumns = {
    "A", "D", "F", "G", "H", "I", "J", "M", "N", "O", "P", "R"};
constexpr std::array<std::string_view, kWrittenColumns> kSecondPageColumns = {
    "A", "D", "F", "G", "H", "I", "J", "K", "L", "M", "N", "P"};

std::string_view ColumnOf(int page, int grid_column) {
    if (grid_column < kFirstWrittenColumn ||
        grid_column >= kFirstWrittenColumn + static_cast<int>(kWrittenColumns)) {
        throw std::out_of_range("grid column " + std::to_string(grid_column) +
                                " is not on the sheet");
    }
    auto index = static_cast<std::size_t>(grid_column - kFirstWrittenColumn);
    return page == 1 ? kFirstPageColumns[index] : kSecondPageColumns[index];
}

}  // namespace

ToolpathCell ToolpathCellOf(std::size_t toolpath, int grid_column) {
    int number = static_cast<int>(toolpath);
    int page = toolpath <= kFirstPageRows ? 1 : 2;
    int row = page == 1 ? kFirstPageRowBefore + number : number - kSecondPageRowShift;
    return {page, std::string(ColumnOf(page, grid_column)) + std::to_string(row)};
}

ToolpathCell HeadingCellOf(int page, int grid_column) {
    int row = page == 1 ? kFirstPageHeadingRow : kSecondPageHeadingRow;
    return {page, std::string(ColumnOf(page, grid_column)) + std::to_string(row)};
}

std::string RemovedNoteCell(int page) {
    return page == 1 ? "A36" : "A48";
}

int LastPageOf(std::size_t toolpaths) {
    return toolpaths > kFirstPageRows ? 2 : 1;
}

}  // namespace orvalis::sheet
