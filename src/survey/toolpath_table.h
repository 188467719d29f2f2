#pragma once

#include <array>
#include <string>
#include <vector>

#include "survey/assembly_values.h"
#include "survey/machining_time.h"
#include "survey/survey_values.h"

namespace orvalis::survey {

// The toolpath table: one row per survey-list entry, the central table that
// the sheet, the NC output and the main window's grid read. Its columns are
// numbered as the grid shows them (column 0 there holds the row numbers).
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
inline constexpr int kColumnCount = kCuttingType;

// The table holds the first 60 entries of the survey list, as many as the
// grid and the setup sheet have rows for.
inline constexpr int kMaxToolpaths = 60;

// One toolpath as the shop sees it. The texts are the ones the grid and the
// sheet show, so a sheet written from a row says what the host printed; the
// machining time carries its seconds too, for the totals.
struct ToolpathRecord {
    std::string host_name;
    std::string nc_name;
    std::string tool;  // "Ø10F*1R"
    std::string allowance;
    std::string step_down;
    std::string step_over;
    std::string lowest_point;
    MachiningTime machining_time;
    std::string tool_length;      // "overhang(length)"
    std::string shank_length;     // "shank 1(shank 2)"
    std::string holder_length;    // "holder 1(holder 2)"
    std::string holder_diameter;  // "holder 1(holder 2)", the lower diameters
    std::string cutting_type;     // the strategy's name

    // The text of a column, for the views that show every column.
    const std::string& Text(Column column) const;
    // Sets a column from its text, as a file of grid rows gives it.
    void SetText(Column column, std::string text);

    bool operator==(const ToolpathRecord&) const = default;
};

// The row of a surveyed toolpath: its name in both name columns, tool length
// as "overhang(length)", the assembly columns from `assembly`.
ToolpathRecord MakeToolpathRecord(const SurveyValues& values, const AssemblyValues& assembly);

class ToolpathTable {
  public:
    // Entry `index` (0 to 59) of the survey list; a row never filled is
    // empty. Throws std::out_of_range outside the table.
    const ToolpathRecord& Row(int index) const;
    ToolpathRecord& Row(int index);

    // Rows 0 to `count` - 1, as the sheet takes them.
    std::vector<ToolpathRecord> FirstRows(int count) const;

    // The NC names of rows 0 to `count` - 1 (at most the table's rows): the
    // prefix followed by `first_number`, `first_number` + 1, … without
    // blanks. The rows below keep their names.
    void NumberNcNames(const std::string& prefix, int first_number, int count);

  private:
    std::array<ToolpathRecord, kMaxToolpaths> rows_;
};

}  // namespace orvalis::survey
