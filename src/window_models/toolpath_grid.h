#pragma once

#include <string_view>

#include "controls/controls.h"
#include "survey/toolpath_table.h"

namespace orvalis {

// The main window's toolpath grid: the table's 60 rows of 13 text columns
// below a heading row, with the row numbers 1 to 60 in column 0.
inline constexpr int kToolpathGridRows = survey::kMaxToolpaths + 1;
inline constexpr int kToolpathGridCols = survey::kColumnCount + 1;

// The grid's format string: one "|"-separated heading per column, "^" for a
// centred one, the blanks giving the column widths.
inline constexpr std::string_view kToolpathGridFormat =
    "      |^파워밀이름    |^   NC이름      |^   공구          |^ "
    "여유량|^스텝다운|^스텝오버|^최저점    "
    "|^가공시간 |^공구길이    |^샹크길이   |^홀더길이   |^   홀더경 |^절삭타입    ";

// The grid showing `table`: headings from the format string (without the
// alignment mark, blanks kept), the row numbers "1" to "60", and table row
// r - 1 in grid row r.
forms::FlexGrid ToolpathGridOf(const survey::ToolpathTable& table);

}  // namespace orvalis
