#pragma once

#include <string_view>

#include "controls/controls.h"

namespace orvalis::survey {

// The toolpath grid: 60 toolpath rows of 13 text columns below a heading row,
// with the row numbers 1 to 60 in column 0.
inline constexpr int kGridRows = 61;
inline constexpr int kGridCols = 14;
inline constexpr int kMaxToolpaths = kGridRows - 1;

// Columns of a toolpath row.
enum Column : int {
    kHostName = 1,         // 파워밀이름
    kNcName = 2,           // NC이름
    kTool = 3,             // 공구
    kAllowance = 4,        // 여유량
    kStepDown = 5,         // 스텝다운
    kStepOver = 6,         // 스텝오버
    kLowestPoint = 7,      // 최저점
    kMachiningTime = 8,    // 가공시간
    kToolLength = 9,       // 공구길이
    kShankLength = 10,     // 샹크길이
    kHolderLength = 11,    // 홀더길이
    kHolderDiameter = 12,  // 홀더경
    kCuttingType = 13,     // 절삭타입
};

// The grid's format string: one "|"-separated heading per column, "^" for a
// centred one, the blanks giving the column widths.
inline constexpr std::string_view kGridFormat =
    "      |^파워밀이름    |^   NC이름      |^   공구          |^ "
    "여유량|^스텝다운|^스텝오버|^최저점    "
    "|^가공시간 |^공구길이    |^샹크길이   |^홀더길이   |^   홀더경 |^절삭타입    ";

// A fresh grid: headings from the format string (without the alignment
// mark, blanks kept) and the row numbers "1" to "60".
forms::FlexGrid MakeToolpathGrid();

}  // namespace orvalis::survey
