#include "xlsx/cell_fills.h"

#include "xlsx/workbook_error.h"
#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace {

// The order of a styles part's children.
constexpr std::string_view kStylesOrder[] = {"numFmts",      "fonts",   "fills",      "borders",
                                             "cellStyleXfs", "cellXfs", "cellStyles", "dxfs",
                                             "tableStyles",  "colors",  "extLst"};

// The list `name` of the styles part, its entries counted again after an edit.
pugi::xml_node List(pugi::xml_node root, std::string_view name) {
    return ChildInOrder(root, name, kStylesOrder);
}

int Count(pugi::xml_node list, std::string_view entry) {
    int count = 0;
    for (pugi::xml_node child : list.children()) {
        if (LocalName(child.name()) == entry) ++count;
    }
    return count;
}

void WriteCount(pugi::xml_node list, int count) {
    pugi::xml_attribute attribute = list.attribute("count");
    if (!attribute) attribute = list.append_attribute("count");
    attribute.set_value(count);
}

pugi::xml_node Entry(pugi::xml_node list, std::string_view entry, int index) {
    int seen = 0;
    for (pugi::xml_node child : list.children()) {
        if (LocalName(child.name()) == entry && seen++ == index) return child;
    }
    return {};
}

// `local` in the namespace prefix that `list` itself carries.
std::string SameNamespace(pugi::xml_node list, std::string_view local) {
    std::string_view name = list.name();
    std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string(local)
                                           : Qualified(name.substr(0, colon), local);
}

}  // namespace

CellFills::CellFills(PartStore& store, std::string styles_part)
    : store_(store), styles_part_(std::move(styles_part)) {
    if (styles_part_.empty() || !store_.Has(styles_part_)) {
        throw WorkbookError(store_.origin(), "통합 문서에 서식 파트가 없습니다");
    }
}

int CellFills::Filled(int style, std::string_view argb) {
    auto key = std::make_pair(style, std::string(argb));
    if (auto found = formats_.find(key); found != formats_.end()) return found->second;
    int fill = AddFill(argb);
    int format = AddFormat(style, fill);
    formats_.emplace(std::move(key), format);
    return format;
}

int CellFills::AddFill(std::string_view argb) {
    if (auto found = fills_.find(argb); found != fills_.end()) return found->second;
    pugi::xml_node fills = List(store_.Edit(styles_part_).document_element(), "fills");
    // The first two fills are reserved ("none" and "gray125"); a list that
    // lacks them would give the new fill one of their places.
    while (Count(fills, "fill") < 2) {
        const char* reserved = Count(fills, "fill") == 0 ? "none" : "gray125";
        fills.append_child(SameNamespace(fills, "fill").c_str())
            .append_child(SameNamespace(fills, "patternFill").c_str())
            .append_attribute("patternType") = reserved;
    }
    pugi::xml_node pattern = fills.append_child(SameNamespace(fills, "fill").c_str())
                                 .append_child(SameNamespace(fills, "patternFill").c_str());
    pattern.append_attribute("patternType") = "solid";
    pattern.append_child(SameNamespace(fills, "fgColor").c_str()).append_attribute("rgb") =
        std::string(argb).c_str();
    pattern.append_child(SameNamespace(fills, "bgColor").c_str()).append_attribute("indexed") = 64;
    int index = Count(fills, "fill") - 1;
    WriteCount(fills, index + 1);
    fills_.emplace(std::string(argb), index);
    return index;
}

int CellFills::AddFormat(int style, int fill) {
    pugi::xml_node formats = List(store_.Edit(styles_part_).document_element(), "cellXfs");
    pugi::xml_node source = Entry(formats, "xf", style);
    pugi::xml_node format = source ? formats.append_copy(source)
                                   : formats.append_child(SameNamespace(formats, "xf").c_str());
    for (const char* name : {"fillId", "applyFill"}) {
        if (!format.attribute(name)) format.append_attribute(name);
    }
    format.attribute("fillId").set_value(fill);
    format.attribute("applyFill").set_value(1);
    int index = Count(formats, "xf") - 1;
    WriteCount(formats, index + 1);
    return index;
}

}  // namespace orvalis::xlsx
