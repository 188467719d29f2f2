#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis::xlsx {

// The relationships part that belongs to `part`:
// "xl/worksheets/sheet1.xml" -> "xl/worksheets/_rels/sheet1.xml.rels", "" -> "_rels/.rels".
std::string RelationshipsPartOf(std::string_view part);

// The part a relationship target of `source_part` names ("../drawings/drawing1.xml"
// from "xl/worksheets/sheet1.xml" -> "xl/drawings/drawing1.xml").
std::string ResolveTarget(std::string_view source_part, std::string_view target);

// The target text that leads from `source_part` to `target_part`.
std::string RelativeTarget(std::string_view source_part, std::string_view target_part);

// The text of an empty relationships part.
std::string_view EmptyRelationshipsXml();

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
    bool external = false;
};

std::vector<Relationship> ListRelationships(const pugi::xml_document& rels);
std::optional<Relationship> FindRelationshipById(const pugi::xml_document& rels,
                                                 std::string_view id);
std::optional<Relationship> FindRelationshipByType(const pugi::xml_document& rels,
                                                   std::string_view type);

// The relationship id that an element such as <drawing r:id="rId2"/> carries.
std::string RelationshipIdOf(pugi::xml_node element);

// Adds a relationship under an id that the part does not use yet and returns the id.
std::string AddRelationship(pugi::xml_document& rels, std::string_view type,
                            std::string_view target);
void RemoveRelationship(pugi::xml_document& rels, std::string_view id);

}  // namespace orvalis::xlsx
