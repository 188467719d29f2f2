#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "survey/toolpath_table.h"

namespace orvalis::sheet {

// Where the setup sheet keeps what it writes: the cell map of the template,
// shared by the writer and by the reader that compares a sheet with the one
// it replaces.

// The table's columns from the NC name on go onto the sheet; the host's
// toolpath name goes nowhere.
inline constexpr int kFirstWrittenColumn = survey::kNcName;
inline constexpr std::size_t kWrittenColumns = survey::kCuttingType - survey::kNcName + 1;

// The table column of written column `index` (from 0).
inline survey::Column WrittenColumn(std::size_t index) {
    return static_cast<survey::Column>(kFirstWrittenColumn + static_cast<int>(index));
}

// Toolpaths 1 to 19 fill the first page's rows 12 to 30; the 20th and later
// go to the continuation page from row 6 on, up to the grid's 60th.
inline constexpr std::size_t kFirstPageRows = 19;
inline constexpr std::size_t kSheetToolpaths = survey::kMaxToolpaths;

struct ToolpathCell {
    int page = 1;  // worksheet position, 1 or 2
    std::string address;
};

// The cell of toolpath `toolpath` (from 1) in grid column `grid_column`
// (2 to 13). The pages differ from column K on.
ToolpathCell ToolpathCellOf(std::size_t toolpath, int grid_column);

// The table's heading cells, one per written column, of each page: two
// sheets share a layout when these read alike.
ToolpathCell HeadingCellOf(int page, int grid_column);

// The cell below the last table of a page where toolpaths that disappeared
// since the replaced sheet are listed.
std::string RemovedNoteCell(int page);

// The page the last of `toolpaths` rows lands on.
int LastPageOf(std::size_t toolpaths);

// Totals the shipped template has room for on the first page: the writer
// fills `value` only when `label` holds `caption` and `value` is empty, so a
// template without them is left alone.
struct TotalCells {
    std::string_view label;
    std::string_view caption;
    std::string_view value;
};
inline constexpr TotalCells kTotalTimeCells{"A34", "총 가공시간", "D34"};
inline constexpr TotalCells kToolCountCells{"G34", "공구 수", "J34"};

}  // namespace orvalis::sheet
