#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "xlsx/cell_ref.h"

namespace orvalis::xlsx {

// Rows and cells of a worksheet's <sheetData>, which keeps them in ascending
// order. Rows and cells may leave out their address; it then follows the one
// before.

pugi::xml_node FindRowNode(pugi::xml_node sheet_data, int row);
pugi::xml_node FindCellNode(pugi::xml_node row_node, int column);

// The row or cell, created at its place when missing. Every row or cell
// passed on the way gets its address written out, so an insertion cannot
// shift the ones after it.
pugi::xml_node RowNodeForEdit(pugi::xml_node sheet_data, int row);
pugi::xml_node CellNodeForEdit(pugi::xml_node row_node, const CellRef& cell);

// Replaces the cell's content by `text` as an inline string, or empties it
// for the empty text; its format stays.
void SetCellText(pugi::xml_node cell, std::string_view text);

// The cell's text: inline string, plain value, or the index of a shared
// string in `shared_index` (and the empty text) for a shared string.
struct StoredText {
    std::string text;
    long shared_index = -1;
};
StoredText ReadCellText(pugi::xml_node cell);

}  // namespace orvalis::xlsx
