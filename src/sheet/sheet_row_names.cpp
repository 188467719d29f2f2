#include "sheet/sheet_row_names.h"

#include "xlsx/cell_text.h"
#include "xlsx/xml_part.h"

namespace orvalis::sheet {

namespace {

constexpr const char* kRowNamesNs = "urn:orvalis:setup-sheet-rows:1";

}  // namespace

void RecordRowNames(xlsx::Workbook& book, const std::vector<std::string>& toolpaths) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node rows = document.append_child("rows");
    rows.append_attribute("xmlns") = kRowNamesNs;
    // Escaped as cell text is: a control character would otherwise be
    // written as a reference XML forbids, and a NUL would cut the name.
    for (const std::string& toolpath : toolpaths) {
        rows.append_child("row").append_attribute("toolpath") =
            xlsx::EscapeCellText(toolpath).c_str();
    }
    book.AddCustomXml(xlsx::SerializeXml(document));
}

std::optional<std::vector<std::string>> RecordedRowNames(xlsx::Workbook& book) {
    for (const pugi::xml_document* document : book.CustomXml()) {
        pugi::xml_node rows = document->document_element();
        if (std::string_view(rows.name()) != "rows" ||
            std::string_view(rows.attribute("xmlns").value()) != kRowNamesNs) {
            continue;
        }
        std::vector<std::string> toolpaths;
        for (pugi::xml_node row : rows.children("row")) {
            toolpaths.push_back(xlsx::UnescapeCellText(row.attribute("toolpath").value()));
        }
        return toolpaths;
    }
    return std::nullopt;
}

}  // namespace orvalis::sheet
