#include "window_models/tool_assembly_grid.h"

#include <string>

namespace orvalis {

using collision::AssemblyRecord;

forms::FlexGrid MakeToolAssemblyGrid() {
    forms::FlexGrid grid(kAssemblyGridDesignedRows, kAssemblyGridCols);
    for (int col = 1; col < kAssemblyGridCols; ++col) {
        grid.SetTextMatrix(
            0, col, std::string(collision::kFieldHeadings[static_cast<std::size_t>(col - 1)]));
    }
    return grid;
}

std::vector<AssemblyRecord> GridRecords(const forms::FlexGrid& grid) {
    std::vector<AssemblyRecord> rows;
    for (int row = 1; row < grid.Rows(); ++row) {
        AssemblyRecord record;
        for (int col = 1; col < kAssemblyGridCols; ++col) {
            record[static_cast<std::size_t>(col - 1)] = grid.TextMatrix(row, col);
        }
        rows.push_back(std::move(record));
    }
    return rows;
}

void AppendGridRecord(forms::FlexGrid& grid, const AssemblyRecord& record) {
    int row = grid.Rows();
    grid.SetRows(row + 1);
    for (int col = 1; col < kAssemblyGridCols; ++col) {
        grid.SetTextMatrix(row, col, record[static_cast<std::size_t>(col - 1)]);
    }
}

}  // namespace orvalis
