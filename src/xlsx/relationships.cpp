#include "xlsx/relationships.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace {

std::vector<std::string> Segments(std::string_view path) {
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        segments.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return segments;
}

std::string_view Folder(std::string_view part) {
    std::size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1);
}

bool IsRelationship(pugi::xml_node node) {
    return node.type() == pugi::node_element && LocalName(node.name()) == "Relationship";
}

Relationship FromNode(pugi::xml_node node) {
    return Relationship{node.attribute("Id").value(), node.attribute("Type").value(),
                        node.attribute("Target").value(),
                        std::string_view(node.attribute("TargetMode").value()) == "External"};
}

// The number after "rId", when the id has that form.
std::optional<long> IdNumber(std::string_view id) {
    if (!id.starts_with("rId")) return std::nullopt;
    long number = 0;
    auto [end, error] = std::from_chars(id.data() + 3, id.data() + id.size(), number);
    if (error != std::errc() || end != id.data() + id.size()) return std::nullopt;
    return number;
}

}  // namespace

std::string RelationshipsPartOf(std::string_view part) {
    std::string_view folder = Folder(part);
    return std::string(folder) + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
}

std::string ResolveTarget(std::string_view source_part, std::string_view target) {
    std::string joined = target.starts_with("/")
                             ? std::string(target.substr(1))
                             : std::string(Folder(source_part)) + std::string(target);
    std::vector<std::string> kept;
    for (std::string& segment : Segments(joined)) {
        if (segment.empty() || segment == ".") continue;
        if (segment == "..") {
            if (!kept.empty()) kept.pop_back();
            continue;
        }
        kept.push_back(std::move(segment));
    }
    std::string part;
    for (const std::string& segment : kept) part += (part.empty() ? "" : "/") + segment;
    return part;
}

std::string RelativeTarget(std::string_view source_part, std::string_view target_part) {
    std::vector<std::string> from = Segments(Folder(source_part));
    from.pop_back();  // the empty text after the folder's last "/"
    std::vector<std::string> to = Segments(target_part);
    std::size_t common = 0;
    while (common < from.size() && common + 1 < to.size() && from[common] == to[common]) ++common;
    std::string target;
    for (std::size_t i = common; i < from.size(); ++i) target += "../";
    for (std::size_t i = common; i < to.size(); ++i) {
        target += to[i] + (i + 1 < to.size() ? "/" : "");
    }
    return target;
}

std::string_view EmptyRelationshipsXml() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
           "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"></"
           "Relationships>";
}

std::vector<Relationship> ListRelationships(const pugi::xml_document& rels) {
    std::vector<Relationship> list;
    for (pugi::xml_node node : rels.document_element().children()) {
        if (IsRelationship(node)) list.push_back(FromNode(node));
    }
    return list;
}

std::optional<Relationship> FindRelationshipById(const pugi::xml_document& rels,
                                                 std::string_view id) {
    for (const Relationship& relationship : ListRelationships(rels)) {
        if (relationship.id == id) return relationship;
    }
    return std::nullopt;
}

std::optional<Relationship> FindRelationshipByType(const pugi::xml_document& rels,
                                                   std::string_view type) {
    for (const Relationship& relationship : ListRelationships(rels)) {
        if (relationship.type == type) return relationship;
    }
    return std::nullopt;
}

std::string RelationshipIdOf(pugi::xml_node element) {
    for (pugi::xml_attribute attribute : element.attributes()) {
        std::string_view name = attribute.name();
        if (name != "id" && LocalName(name) == "id") return attribute.value();
    }
    return {};
}

std::string AddRelationship(pugi::xml_document& rels, std::string_view type,
                            std::string_view target) {
    std::set<std::string, std::less<>> used;
    long highest = 0;
    for (const Relationship& relationship : ListRelationships(rels)) {
        used.insert(relationship.id);
        highest = std::max(highest, IdNumber(relationship.id).value_or(0));
    }
    std::string id;
    do {
        id = "rId" + std::to_string(++highest);
    } while (used.contains(id));

    pugi::xml_node root = rels.document_element();
    std::string_view root_name = root.name();
    std::string prefix(root_name.substr(0, root_name.size() - LocalName(root_name).size()));
    pugi::xml_node node = root.append_child((prefix + "Relationship").c_str());
    node.append_attribute("Id").set_value(id.c_str());
    node.append_attribute("Type").set_value(std::string(type).c_str());
    node.append_attribute("Target").set_value(std::string(target).c_str());
    return id;
}

void RemoveRelationship(pugi::xml_document& rels, std::string_view id) {
    pugi::xml_node root = rels.document_element();
    for (pugi::xml_node node = root.first_child(); node;) {
        pugi::xml_node next = node.next_sibling();
        if (IsRelationship(node) && id == node.attribute("Id").value()) root.remove_child(node);
        node = next;
    }
}

}  // namespace orvalis::xlsx
