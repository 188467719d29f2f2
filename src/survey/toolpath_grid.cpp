#include "survey/toolpath_grid.h"

#include <string>

namespace orvalis::survey {

forms::FlexGrid MakeToolpathGrid() {
    forms::FlexGrid grid(kGridRows, kGridCols);
    std::size_t start = 0;
    for (int col = 0; col < kGridCols; ++col) {
        std::size_t end = kGridFormat.find('|', start);
        std::string_view heading = kGridFormat.substr(start, end - start);
        if (!heading.empty() && (heading[0] == '^' || heading[0] == '<' || heading[0] == '>')) {
            heading.remove_prefix(1);
        }
        grid.SetTextMatrix(0, col, std::string(heading));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    for (int row = 1; row < kGridRows; ++row) grid.SetTextMatrix(row, 0, std::to_string(row));
    return grid;
}

}  // namespace orvalis::survey
