#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace orvalis::xlsx {

// Cell text as the workbook stores it: control characters that XML cannot
// carry, or not unchanged (CR), are written as "_xHHHH_", and an underscore that would read as the
// start of such a code is written as "_x005F_", so every text comes back
// exactly as it was set.
std::string EscapeCellText(std::string_view text);
std::string UnescapeCellText(std::string_view stored);

// The text of a string item (<si> of the shared strings, <is> of a cell):
// its plain text or all the runs of its rich text, without phonetic hints.
std::string StringItemText(pugi::xml_node item);

}  // namespace orvalis::xlsx
