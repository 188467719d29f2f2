#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "xlsx/part_store.h"

namespace orvalis::xlsx {

// Cell formats with a solid fill, made from the formats a workbook's cells
// already use: the font, border, alignment and number format stay, only the
// fill is added. Each pair of format and colour is made once.
class CellFills {
  public:
    // Throws WorkbookError when the workbook has no styles part.
    CellFills(PartStore& store, std::string styles_part);

    // The index of the cell format that is format `style` filled with
    // `argb` ("FFFFEB9C").
    int Filled(int style, std::string_view argb);

  private:
    int AddFill(std::string_view argb);
    int AddFormat(int style, int fill);

    PartStore& store_;
    std::string styles_part_;
    std::map<std::string, int, std::less<>> fills_;
    std::map<std::pair<int, std::string>, int> formats_;
};

}  // namespace orvalis::xlsx
