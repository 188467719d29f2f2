#include "survey/toolpath_row.h"

namespace orvalis::survey {

ToolpathRow MakeToolpathRow(const SurveyValues& values, const AssemblyValues& assembly) {
    ToolpathRow row;
    auto cell = [&row](Column column) -> std::string& {
        return row[static_cast<std::size_t>(column - kHostName)];
    };
    cell(kHostName) = values.toolpath_name;
    cell(kNcName) = values.toolpath_name;
    cell(kTool) = values.tool_description;
    cell(kAllowance) = values.allowance;
    cell(kStepDown) = values.step_down;
    cell(kStepOver) = values.step_over;
    cell(kLowestPoint) = values.lowest_point;
    cell(kMachiningTime) = values.machining_time;
    cell(kToolLength) = values.overhang + "(" + values.tool_length + ")";
    cell(kShankLength) = assembly.ShankLengths();
    cell(kHolderLength) = assembly.HolderLengths();
    cell(kHolderDiameter) = assembly.HolderDiameters();
    cell(kCuttingType) = values.strategy_name;
    return row;
}

void WriteToolpathRow(forms::FlexGrid& grid, int row, const ToolpathRow& cells) {
    for (int column = kHostName; column <= kCuttingType; ++column) {
        grid.SetTextMatrix(row, column, cells[static_cast<std::size_t>(column - kHostName)]);
    }
}

}  // namespace orvalis::survey
