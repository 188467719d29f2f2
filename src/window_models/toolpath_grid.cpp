#include "window_models/toolpath_grid.h"

#include <string>

namespace orvalis {

namespace {

void WriteHeadings(forms::FlexGrid& grid) {
    std::size_t start = 0;
    for (int col = 0; col < kToolpathGridCols; ++col) {
        std::size_t end = kToolpathGridFormat.find('|', start);
        std::string_view heading = kToolpathGridFormat.substr(start, end - start);
        if (!heading.empty() && (heading[0] == '^' || heading[0] == '<' || heading[0] == '>')) {
            heading.remove_prefix(1);
        }
        grid.SetTextMatrix(0, col, std::string(heading));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

}  // namespace

forms::FlexGrid ToolpathGridOf(const survey::ToolpathTable& table) {
    forms::FlexGrid grid(kToolpathGridRows, kToolpathGridCols);
    WriteHeadings(grid);
    for (int row = 1; row < kToolpathGridRows; ++row) {
        grid.SetTextMatrix(row, 0, std::to_string(row));
        const survey::ToolpathRecord& record = table.Row(row - 1);
        for (int col = survey::kHostName; col <= survey::kCuttingType; ++col) {
            grid.SetTextMatrix(row, col, record.Text(static_cast<survey::Column>(col)));
        }
    }
    return grid;
}

}  // namespace orvalis
