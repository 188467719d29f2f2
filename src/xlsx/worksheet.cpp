#include "xlsx/worksheet.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "xlsx/cell_text.h"
#include "xlsx/content_types.h"
#include "xlsx/ooxml_names.h"
#include "xlsx/relationships.h"
#include "xlsx/sheet_data.h"
#include "xlsx/text_lines.h"
#include "xlsx/workbook_error.h"
#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace {

// The order of a worksheet's children.
constexpr std::string_view kWorksheetOrder[] = {"sheetPr",
                                                "dimension",
                                                "sheetViews",
                                                "sheetFormatPr",
                                                "cols",
                                                "sheetData",
                                                "sheetCalcPr",
                                                "sheetProtection",
                                                "protectedRanges",
                                                "scenarios",
                                                "autoFilter",
                                                "sortState",
                                                "dataConsolidate",
                                                "customSheetViews",
                                                "mergeCells",
                                                "phoneticPr",
                                                "conditionalFormatting",
                                                "dataValidations",
                                                "hyperlinks",
                                                "printOptions",
                                                "pageMargins",
                                                "pageSetup",
                                                "headerFooter",
                                                "rowBreaks",
                                                "colBreaks",
                                                "customProperties",
                                                "cellWatches",
                                                "ignoredErrors",
                                                "smartTags",
                                                "drawing",
                                                "legacyDrawing",
                                                "legacyDrawingHF",
                                                "drawingHF",
                                                "picture",
                                                "oleObjects",
                                                "controls",
                                                "webPublishItems",
                                                "tableParts",
                                                "extLst"};

pugi::xml_node WorksheetChild(pugi::xml_node root, std::string_view name) {
    return ChildInOrder(root, name, kWorksheetOrder);
}

constexpr const char* kWholeSheet = "A1:XFD1048576";

void SetAttribute(pugi::xml_node node, const char* name, const char* value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) attribute = node.append_attribute(name);
    attribute.set_value(value);
}

// The selection of the sheet view's active pane, created when missing.
pugi::xml_node ActiveSelection(pugi::xml_node view) {
    pugi::xml_node pane = view.child("pane");
    std::string active = pane ? pane.attribute("activePane").as_string("topLeft") : "topLeft";
    pugi::xml_node last_before;  // the last <pane> or <selection>, after which a new one goes
    for (pugi::xml_node child : view.children()) {
        std::string_view name = child.name();
        if (name == "selection" && active == child.attribute("pane").as_string("topLeft")) {
            return child;
        }
        if (name == "pane" || name == "selection") last_before = child;
    }
    pugi::xml_node selection = last_before ? view.insert_child_after("selection", last_before)
                                           : view.prepend_child("selection");
    if (active != "topLeft") selection.append_attribute("pane").set_value(active.c_str());
    return selection;
}

// The shared strings' count is of the cells that use them: a cell that
// stops using one takes itself off, or the count no longer adds up.
void DropSharedReference(PartStore& store, const std::string& shared_strings_part) {
    if (shared_strings_part.empty() || !store.Has(shared_strings_part)) return;
    pugi::xml_attribute count =
        store.Edit(shared_strings_part).document_element().attribute("count");
    if (count && count.as_ullong() > 0) count.set_value(count.as_ullong() - 1);
}

// The column of a cell element; one that leaves out its address follows the
// one before.
int ColumnOf(pugi::xml_node cell, int column_before, const std::string& origin) {
    std::string_view address = cell.attribute("r").value();
    if (address.empty()) return column_before + 1;
    try {
        return ParseCellRef(address).column;
    } catch (const std::invalid_argument&) {
        throw WorkbookError(origin,
                            "셀 주소 '" + std::string(address) + "'을(를) 읽을 수 없습니다");
    }
}

}  // namespace

Worksheet::Worksheet(PartStore& store, std::string part, std::string shared_strings_part,
                     FontMetrics font)
    : store_(store),
      part_(std::move(part)),
      shared_strings_part_(std::move(shared_strings_part)),
      font_(font) {}

pugi::xml_node Worksheet::ReadRoot() {
    pugi::xml_node root = store_.Read(part_).document_element();
    if (std::string_view(root.name()) != "worksheet") {
        throw WorkbookError(store_.origin(),
                            "파트 " + part_ + "은(는) 고칠 수 있는 워크시트가 아닙니다");
    }
    return root;
}

pugi::xml_node Worksheet::EditRoot() {
    pugi::xml_node root = ReadRoot();
    store_.Edit(part_);
    return root;
}

const SheetGeometry& Worksheet::Geometry() {
    if (!geometry_) geometry_.emplace(store_.Read(part_), font_);
    return *geometry_;
}

pugi::xml_node Worksheet::FindCell(const CellRef& ref) {
    pugi::xml_node row = FindRowNode(ReadRoot().child("sheetData"), ref.row);
    return FindCellNode(row, ref.column);
}

pugi::xml_node Worksheet::CellForEdit(const CellRef& ref) {
    pugi::xml_node data = WorksheetChild(EditRoot(), "sheetData");
    pugi::xml_node node = CellNodeForEdit(RowNodeForEdit(data, ref.row), ref);
    cells_changed_ = true;
    Extend(ref);
    return node;
}

void Worksheet::SetText(std::string_view cell, std::string_view text) {
    pugi::xml_node node = CellForEdit(ParseCellRef(cell));
    if (ReadCellText(node).shared_index >= 0) DropSharedReference(store_, shared_strings_part_);
    SetCellText(node, text);
}

std::string Worksheet::Text(std::string_view cell) {
    pugi::xml_node node = FindCell(ParseCellRef(cell));
    return node ? TextOf(node) : std::string();
}

std::string Worksheet::TextOf(pugi::xml_node cell) {
    StoredText stored = ReadCellText(cell);
    return stored.shared_index >= 0 ? SharedString(static_cast<std::size_t>(stored.shared_index))
                                    : stored.text;
}

std::string Worksheet::SharedString(std::size_t index) {
    if (!shared_strings_read_ && !shared_strings_part_.empty()) {
        for (pugi::xml_node item :
             store_.Read(shared_strings_part_).document_element().children()) {
            if (LocalName(item.name()) == "si") shared_strings_.push_back(item);
        }
    }
    shared_strings_read_ = true;
    return index < shared_strings_.size() ? StringItemText(shared_strings_[index]) : "";
}

std::optional<std::string> Worksheet::FindText(std::string_view text) {
    int row = 0;
    for (pugi::xml_node row_node : ReadRoot().child("sheetData").children("row")) {
        row = row_node.attribute("r").as_int(row + 1);
        int column = 0;
        for (pugi::xml_node cell : row_node.children("c")) {
            column = ColumnOf(cell, column, store_.origin());
            if (TextOf(cell) == text) return FormatCellRef({column, row});
        }
    }
    return std::nullopt;
}

int Worksheet::Style(std::string_view cell) {
    return FindCell(ParseCellRef(cell)).attribute("s").as_int(0);
}

void Worksheet::SetStyle(std::string_view cell, int style) {
    pugi::xml_node node = CellForEdit(ParseCellRef(cell));
    if (!node.attribute("s")) node.append_attribute("s");
    node.attribute("s").set_value(style);
}

std::vector<std::string> Worksheet::MergedFrom(std::string_view cell) {
    CellRef corner = ParseCellRef(cell);
    for (pugi::xml_node merge : ReadRoot().child("mergeCells").children("mergeCell")) {
        std::string_view range = merge.attribute("ref").value();
        std::size_t colon = range.find(':');
        if (colon == std::string_view::npos) continue;
        try {
            if (!(ParseCellRef(range.substr(0, colon)) == corner)) continue;
            CellRef last = ParseCellRef(range.substr(colon + 1));
            std::vector<std::string> cells;
            for (int row = corner.row; row <= last.row; ++row) {
                for (int column = corner.column; column <= last.column; ++column) {
                    cells.push_back(FormatCellRef({column, row}));
                }
            }
            return cells;
        } catch (const std::invalid_argument&) {
            continue;  // a range the spreadsheet would not read either
        }
    }
    return {FormatCellRef(corner)};
}

double Worksheet::CellLeft(std::string_view cell) {
    return Geometry().ColumnLeft(ParseCellRef(cell).column);
}

double Worksheet::CellTop(std::string_view cell) {
    return Geometry().RowTop(ParseCellRef(cell).row);
}

double Worksheet::RowHeight(int row) {
    return Geometry().RowHeight(row);
}

void Worksheet::SetRowHeight(int row, double points) {
    pugi::xml_node row_node = RowNodeForEdit(WorksheetChild(EditRoot(), "sheetData"), row);
    char height[32];
    std::snprintf(height, sizeof height, "%g", points);
    SetAttribute(row_node, "ht", height);
    SetAttribute(row_node, "customHeight", "1");
    geometry_.reset();
}

int Worksheet::WrappedLines(std::string_view cell, std::string_view text) {
    CellRef last = ParseCellRef(MergedFrom(cell).back());
    double width = Geometry().ColumnLeft(last.column + 1) - CellLeft(cell);
    return xlsx::WrappedLines(text, width, font_);
}

void Worksheet::InsertPicture(std::string png, const PictureFrame& frame,
                              std::string_view description) {
    std::string drawing = DrawingPart();
    std::string media = store_.UnusedName("xl/media/image", ".png");
    store_.WriteBinary(media, std::move(png), false);  // PNG is compressed already
    AddDefaultContentType(store_.Edit(std::string(ooxml::kContentTypesPart)), "png",
                          ooxml::kPngContentType);
    std::string image_id = AddRelationship(store_.EditRelationships(drawing), ooxml::kImageRel,
                                           RelativeTarget(drawing, media));

    SheetGeometry::Place column = Geometry().LocateColumn(std::max(0.0, frame.left));
    SheetGeometry::Place row = Geometry().LocateRow(std::max(0.0, frame.top));
    CellAnchor anchor{column.index, column.offset, row.index, row.offset};
    AppendPicture(store_.Edit(drawing).document_element(), anchor, frame, image_id, description);
}

std::string Worksheet::DrawingPart() {
    if (drawing_part_) return *drawing_part_;
    pugi::xml_node existing = ReadRoot().child("drawing");
    if (!existing) {
        drawing_part_ = CreateDrawingPart();
        return *drawing_part_;
    }
    std::string id = RelationshipIdOf(existing);
    std::string rels = RelationshipsPartOf(part_);
    auto relationship =
        store_.Has(rels) ? FindRelationshipById(store_.Read(rels), id) : std::nullopt;
    if (!relationship) {
        throw WorkbookError(store_.origin(), part_ + "의 그림 파트를 찾을 수 없습니다");
    }
    drawing_part_ = ResolveTarget(part_, relationship->target);
    return *drawing_part_;
}

std::string Worksheet::CreateDrawingPart() {
    std::string drawing = store_.UnusedName("xl/drawings/drawing", ".xml");
    store_.Create(drawing, EmptyDrawingXml());
    SetOverrideContentType(store_.Edit(std::string(ooxml::kContentTypesPart)), drawing,
                           ooxml::kDrawingContentType);
    std::string id = AddRelationship(store_.EditRelationships(part_), ooxml::kDrawingRel,
                                     RelativeTarget(part_, drawing));
    pugi::xml_node root = EditRoot();
    std::string prefix = EnsurePrefix(root, ooxml::kRelationshipsNs, "r");
    WorksheetChild(root, "drawing")
        .append_attribute(Qualified(prefix, "id").c_str())
        .set_value(id.c_str());
    return drawing;
}

void Worksheet::SetActiveCell(std::string_view cell) {
    std::string address = FormatCellRef(ParseCellRef(cell));
    pugi::xml_node views = WorksheetChild(EditRoot(), "sheetViews");
    pugi::xml_node view = views.child("sheetView");
    if (!view) view = views.append_child("sheetView");
    if (!view.attribute("workbookViewId")) view.append_attribute("workbookViewId").set_value(0);
    pugi::xml_node selection = ActiveSelection(view);
    if (pugi::xml_attribute id = selection.attribute("activeCellId")) {
        selection.remove_attribute(id);
    }
    SetAttribute(selection, "activeCell", address.c_str());
    SetAttribute(selection, "sqref", address.c_str());
}

void Worksheet::SetTabSelected(bool selected) {
    pugi::xml_node view = ReadRoot().child("sheetViews").child("sheetView");
    std::string_view now = view.attribute("tabSelected").value();
    if ((now == "1" || now == "true") == selected) return;
    pugi::xml_node views = WorksheetChild(EditRoot(), "sheetViews");
    view = views.child("sheetView");
    if (!view) {
        view = views.append_child("sheetView");
        view.append_attribute("workbookViewId").set_value(0);
    }
    if (selected) {
        SetAttribute(view, "tabSelected", "1");
    } else {
        view.remove_attribute("tabSelected");
    }
}

void Worksheet::Extend(const CellRef& ref) {
    if (!written_first_) {
        written_first_ = ref;
        written_last_ = ref;
        return;
    }
    written_first_->column = std::min(written_first_->column, ref.column);
    written_first_->row = std::min(written_first_->row, ref.row);
    written_last_->column = std::max(written_last_->column, ref.column);
    written_last_->row = std::max(written_last_->row, ref.row);
}

void Worksheet::PrepareSave() {
    if (!cells_changed_) return;
    pugi::xml_node root = EditRoot();
    UpdateDimension(root);
    SwitchOffTextWarnings(root);
}

void Worksheet::UpdateDimension(pugi::xml_node root) {
    pugi::xml_node dimension = root.child("dimension");
    if (!dimension || !written_first_) return;
    std::string_view range = dimension.attribute("ref").value();
    CellRef first = *written_first_;
    CellRef last = *written_last_;
    try {
        std::size_t colon = range.find(':');
        CellRef from = ParseCellRef(range.substr(0, colon));
        CellRef to = colon == std::string_view::npos ? from : ParseCellRef(range.substr(colon + 1));
        first = {std::min(first.column, from.column), std::min(first.row, from.row)};
        last = {std::max(last.column, to.column), std::max(last.row, to.row)};
    } catch (const std::invalid_argument&) {
        // An unreadable used range is replaced by the written one.
    }
    std::string updated = FormatCellRef(first);
    if (!(first == last)) updated += ":" + FormatCellRef(last);
    SetAttribute(dimension, "ref", updated.c_str());
}

void Worksheet::SwitchOffTextWarnings(pugi::xml_node root) {
    pugi::xml_node ignored = WorksheetChild(root, "ignoredErrors");
    for (pugi::xml_node error : ignored.children("ignoredError")) {
        if (std::string_view(error.attribute("sqref").value()) == kWholeSheet) {
            SetAttribute(error, "numberStoredAsText", "1");
            return;
        }
    }
    pugi::xml_node error = ignored.append_child("ignoredError");
    error.append_attribute("sqref").set_value(kWholeSheet);
    error.append_attribute("numberStoredAsText").set_value(1);
}

}  // namespace orvalis::xlsx
