#include "xlsx/xml_part.h"

#include <algorithm>
#include <sstream>

#include "xlsx/workbook_error.h"

namespace orvalis::xlsx {

std::unique_ptr<pugi::xml_document> ParseXml(std::string_view bytes, const std::string& part,
                                             const std::string& origin) {
    auto document = std::make_unique<pugi::xml_document>();
    constexpr unsigned kOptions = pugi::parse_default | pugi::parse_declaration |
                                  pugi::parse_comments | pugi::parse_pi | pugi::parse_ws_pcdata |
                                  pugi::parse_doctype;
    pugi::xml_parse_result result =
        document->load_buffer(bytes.data(), bytes.size(), kOptions, pugi::encoding_auto);
    if (!result) {
        throw WorkbookError(origin,
                            "파트 " + part + "이(가) 손상되었습니다: " + result.description());
    }
    if (!document->document_element()) {
        throw WorkbookError(origin, "파트 " + part + "이(가) 비어 있습니다");
    }
    return document;
}

std::string SerializeXml(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(out).str();
}

std::optional<std::string> DeclaredPrefix(pugi::xml_node node, std::string_view uri) {
    for (; node && node.type() == pugi::node_element; node = node.parent()) {
        for (pugi::xml_attribute attribute : node.attributes()) {
            std::string_view name = attribute.name();
            if (uri != attribute.value()) continue;
            if (name == "xmlns") return std::string();
            if (name.starts_with("xmlns:")) return std::string(name.substr(6));
        }
    }
    return std::nullopt;
}

std::string EnsurePrefix(pugi::xml_node root, std::string_view uri, std::string_view wanted) {
    if (auto prefix = DeclaredPrefix(root, uri); prefix && !prefix->empty()) return *prefix;
    std::string prefix(wanted);
    for (int suffix = 2; root.attribute(("xmlns:" + prefix).c_str()); ++suffix) {
        prefix = std::string(wanted) + std::to_string(suffix);
    }
    root.append_attribute(("xmlns:" + prefix).c_str()).set_value(std::string(uri).c_str());
    return prefix;
}

std::string Qualified(std::string_view prefix, std::string_view local) {
    if (prefix.empty()) return std::string(local);
    return std::string(prefix) + ":" + std::string(local);
}

std::string_view LocalName(std::string_view qualified) {
    std::size_t colon = qualified.find(':');
    return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

pugi::xml_node ChildInOrder(pugi::xml_node parent, std::string_view name,
                            std::span<const std::string_view> order) {
    std::string key(name);
    if (pugi::xml_node existing = parent.child(key.c_str())) return existing;
    auto rank = [&](std::string_view child) {
        auto it = std::find(order.begin(), order.end(), child);
        return it == order.end() ? -1 : static_cast<int>(it - order.begin());
    };
    int own = rank(name);
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && rank(child.name()) > own) {
            return parent.insert_child_before(key.c_str(), child);
        }
    }
    return parent.append_child(key.c_str());
}

}  // namespace orvalis::xlsx
