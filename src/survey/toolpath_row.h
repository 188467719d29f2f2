#pragma once

#include <array>
#include <string>

#include "controls/controls.h"
#include "survey/assembly_values.h"
#include "survey/survey_values.h"
#include "survey/toolpath_grid.h"

namespace orvalis::survey {

// The 13 texts of one toolpath row: element 0 is grid column 1 (kHostName),
// element 12 column 13 (kCuttingType).
using ToolpathRow = std::array<std::string, kGridCols - 1>;

// The row of a surveyed toolpath: its name in both name columns, tool length
// as "overhang(length)", the assembly columns from `assembly`.
ToolpathRow MakeToolpathRow(const SurveyValues& values, const AssemblyValues& assembly);

// Writes the row's cells into grid row `row`, in column order.
void WriteToolpathRow(forms::FlexGrid& grid, int row, const ToolpathRow& cells);

}  // namespace orvalis::survey
