#include "xlsx/sheet_data.h"

#include <charconv>
#include <stdexcept>

#include "xlsx/cell_text.h"

namespace orvalis::xlsx {

namespace {

int CellColumn(pugi::xml_node cell, int previous) {
    pugi::xml_attribute address = cell.attribute("r");
    if (!address) return previous + 1;
    try {
        return ParseCellRef(address.value()).column;
    } catch (const std::invalid_argument&) {
        return previous + 1;
    }
}

void RemoveAttribute(pugi::xml_node node, const char* name) {
    if (pugi::xml_attribute attribute = node.attribute(name)) node.remove_attribute(attribute);
}

pugi::xml_node NewRow(pugi::xml_node sheet_data, pugi::xml_node before, int row) {
    pugi::xml_node node =
        before ? sheet_data.insert_child_before("row", before) : sheet_data.append_child("row");
    node.append_attribute("r").set_value(row);
    return node;
}

pugi::xml_node NewCell(pugi::xml_node row_node, pugi::xml_node before, const CellRef& cell) {
    // The row's span of columns is only a hint; drop it rather than let it lie.
    RemoveAttribute(row_node, "spans");
    pugi::xml_node node =
        before ? row_node.insert_child_before("c", before) : row_node.append_child("c");
    node.append_attribute("r").set_value(FormatCellRef(cell).c_str());
    return node;
}

}  // namespace

pugi::xml_node FindRowNode(pugi::xml_node sheet_data, int row) {
    int number = 0;
    for (pugi::xml_node node : sheet_data.children("row")) {
        number = node.attribute("r").as_int(number + 1);
        if (number == row) return node;
        if (number > row) break;
    }
    return {};
}

pugi::xml_node FindCellNode(pugi::xml_node row_node, int column) {
    int number = 0;
    for (pugi::xml_node node : row_node.children("c")) {
        number = CellColumn(node, number);
        if (number == column) return node;
        if (number > column) break;
    }
    return {};
}

pugi::xml_node RowNodeForEdit(pugi::xml_node sheet_data, int row) {
    int number = 0;
    for (pugi::xml_node node : sheet_data.children("row")) {
        number = node.attribute("r").as_int(number + 1);
        if (!node.attribute("r")) node.prepend_attribute("r").set_value(number);
        if (number == row) return node;
        if (number > row) return NewRow(sheet_data, node, row);
    }
    return NewRow(sheet_data, {}, row);
}

pugi::xml_node CellNodeForEdit(pugi::xml_node row_node, const CellRef& cell) {
    int number = 0;
    for (pugi::xml_node node : row_node.children("c")) {
        number = CellColumn(node, number);
        if (!node.attribute("r")) {
            node.prepend_attribute("r").set_value(FormatCellRef({number, cell.row}).c_str());
        }
        if (number == cell.column) return node;
        if (number > cell.column) return NewCell(row_node, node, cell);
    }
    return NewCell(row_node, {}, cell);
}

void SetCellText(pugi::xml_node cell, std::string_view text) {
    while (pugi::xml_node child = cell.first_child()) cell.remove_child(child);
    for (const char* name : {"t", "cm", "vm", "ph"}) RemoveAttribute(cell, name);
    if (text.empty()) return;
    cell.append_attribute("t").set_value("inlineStr");
    pugi::xml_node t = cell.append_child("is").append_child("t");
    t.append_attribute("xml:space").set_value("preserve");
    t.text().set(EscapeCellText(text).c_str());
}

StoredText ReadCellText(pugi::xml_node cell) {
    std::string_view type = cell.attribute("t").value();
    if (type == "inlineStr") return StoredText{StringItemText(cell.child("is")), -1};
    std::string value = cell.child("v").text().get();
    if (type == "s") {
        long index = -1;
        std::from_chars(value.data(), value.data() + value.size(), index);
        return StoredText{"", index};
    }
    return StoredText{type == "str" ? UnescapeCellText(value) : value, -1};
}

}  // namespace orvalis::xlsx
