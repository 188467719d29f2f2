#include "tools/tool_assembly_table.h"

#include <string>

namespace orvalis::tools {

forms::FlexGrid MakeToolAssemblyGrid() {
    forms::FlexGrid grid(kDesignedRows, kTableCols);
    for (int col = 1; col < kTableCols; ++col) {
        grid.SetTextMatrix(0, col, std::string(kFieldHeadings[static_cast<std::size_t>(col - 1)]));
    }
    return grid;
}

std::vector<AssemblyRecord> TableRows(const forms::FlexGrid& grid) {
    std::vector<AssemblyRecord> rows;
    for (int row = 1; row < grid.Rows(); ++row) {
        AssemblyRecord record;
        for (int col = 1; col < kTableCols; ++col) {
            record[static_cast<std::size_t>(col - 1)] = grid.TextMatrix(row, col);
        }
        rows.push_back(std::move(record));
    }
    return rows;
}

void AppendTableRow(forms::FlexGrid& grid, const AssemblyRecord& record) {
    int row = grid.Rows();
    grid.SetRows(row + 1);
    for (int col = 1; col < kTableCols; ++col) {
        grid.SetTextMatrix(row, col, record[static_cast<std::size_t>(col - 1)]);
    }
}

}  // namespace orvalis::tools
