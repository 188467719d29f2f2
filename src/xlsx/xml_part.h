#pragma once

#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <span>
#include <string>
#include <string_view>

namespace orvalis::xlsx {

// Parses a part of the package, keeping everything a reader may rely on
// (declaration, comments, whitespace). Throws WorkbookError naming `origin`.
std::unique_ptr<pugi::xml_document> ParseXml(std::string_view bytes, const std::string& part,
                                             const std::string& origin);

// The document as it is written back: no indentation added, UTF-8.
std::string SerializeXml(const pugi::xml_document& document);

// The prefix under which `node` or one of its ancestors declares `uri`
// ("" for the default namespace); nothing when it is not declared.
std::optional<std::string> DeclaredPrefix(pugi::xml_node node, std::string_view uri);

// The prefix of `uri` on `root`, declaring it there (as `wanted`, or a
// variant of it that is still free) when it is missing.
std::string EnsurePrefix(pugi::xml_node root, std::string_view uri, std::string_view wanted);

// "prefix:local", or "local" for the default namespace.
std::string Qualified(std::string_view prefix, std::string_view local);

// The part of a qualified name after its prefix.
std::string_view LocalName(std::string_view qualified);

// The child `name` of `parent`; when missing it is created at its place in
// `order`, the schema's sequence of child names (unknown children are passed).
pugi::xml_node ChildInOrder(pugi::xml_node parent, std::string_view name,
                            std::span<const std::string_view> order);

}  // namespace orvalis::xlsx
