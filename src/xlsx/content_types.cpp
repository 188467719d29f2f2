#include "xlsx/content_types.h"

#include <string>

#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The element name for `local` under the prefix of the list's root.
std::string NameLike(pugi::xml_node root, std::string_view local) {
    std::string_view root_name = root.name();
    return std::string(root_name.substr(0, root_name.size() - LocalName(root_name).size())) +
           std::string(local);
}

pugi::xml_node FindOverride(pugi::xml_node root, std::string_view part_name) {
    for (pugi::xml_node node : root.children()) {
        if (LocalName(node.name()) == "Override" &&
            SameIgnoringCase(node.attribute("PartName").value(), part_name)) {
            return node;
        }
    }
    return {};
}

}  // namespace

void AddDefaultContentType(pugi::xml_document& types, std::string_view extension,
                           std::string_view content_type) {
    pugi::xml_node root = types.document_element();
    pugi::xml_node first_override;
    for (pugi::xml_node node : root.children()) {
        std::string_view local = LocalName(node.name());
        if (local == "Default" &&
            SameIgnoringCase(node.attribute("Extension").value(), extension)) {
            return;
        }
        if (local == "Override" && !first_override) first_override = node;
    }
    std::string name = NameLike(root, "Default");
    // Defaults conventionally come before the overrides.
    pugi::xml_node node = first_override ? root.insert_child_before(name.c_str(), first_override)
                                         : root.append_child(name.c_str());
    node.append_attribute("Extension").set_value(std::string(extension).c_str());
    node.append_attribute("ContentType").set_value(std::string(content_type).c_str());
}

void SetOverrideContentType(pugi::xml_document& types, std::string_view part,
                            std::string_view content_type) {
    pugi::xml_node root = types.document_element();
    std::string part_name = "/" + std::string(part);
    pugi::xml_node node = FindOverride(root, part_name);
    if (!node) {
        node = root.append_child(NameLike(root, "Override").c_str());
        node.append_attribute("PartName").set_value(part_name.c_str());
        node.append_attribute("ContentType");
    }
    node.attribute("ContentType").set_value(std::string(content_type).c_str());
}

void RemoveOverrideContentType(pugi::xml_document& types, std::string_view part) {
    pugi::xml_node root = types.document_element();
    if (pugi::xml_node node = FindOverride(root, "/" + std::string(part))) root.remove_child(node);
}

std::string ContentTypeOf(const pugi::xml_document& types, std::string_view part) {
    pugi::xml_node root = types.document_element();
    if (pugi::xml_node node = FindOverride(root, "/" + std::string(part))) {
        return node.attribute("ContentType").value();
    }
    std::size_t dot = part.rfind('.');
    std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : part.substr(dot + 1);
    for (pugi::xml_node node : root.children()) {
        if (LocalName(node.name()) == "Default" &&
            SameIgnoringCase(node.attribute("Extension").value(), extension)) {
            return node.attribute("ContentType").value();
        }
    }
    return {};
}

}  // namespace orvalis::xlsx
