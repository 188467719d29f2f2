#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace orvalis::xlsx {

// Edits of the package's content-type list ("[Content_Types].xml").

// Adds a default for the file extension unless one is there (letter case ignored).
void AddDefaultContentType(pugi::xml_document& types, std::string_view extension,
                           std::string_view content_type);

// Adds or replaces the override for a part ("xl/drawings/drawing1.xml").
void SetOverrideContentType(pugi::xml_document& types, std::string_view part,
                            std::string_view content_type);

void RemoveOverrideContentType(pugi::xml_document& types, std::string_view part);

// The content type of a part: its override, else the default of its
// extension; empty when the list has neither.
std::string ContentTypeOf(const pugi::xml_document& types, std::string_view part);

}  // namespace orvalis::xlsx
