#pragma once

#include <vector>

#include "collision/tool_assembly_table.h"
#include "controls/controls.h"

namespace orvalis {

// The tool-assembly table as the tool settings window shows it: a heading
// row, then one record per row; column 0 is an empty row-heading column and
// columns 1 to 16 hold the record's fields in file order.
inline constexpr int kAssemblyGridCols = collision::kFieldCount + 1;
// The designed grid: the heading row and one empty row.
inline constexpr int kAssemblyGridDesignedRows = 2;

// The designed grid with its headings.
forms::FlexGrid MakeToolAssemblyGrid();

// The records of grid rows 1 to the last, in row order.
std::vector<collision::AssemblyRecord> GridRecords(const forms::FlexGrid& grid);

// Appends a record as a new last row.
void AppendGridRecord(forms::FlexGrid& grid, const collision::AssemblyRecord& record);

}  // namespace orvalis
