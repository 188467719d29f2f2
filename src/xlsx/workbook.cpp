#include "xlsx/workbook.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/file_error.h"
#include "platform/native_path.h"
#include "xlsx/cell_ref.h"
#include "xlsx/content_types.h"
#include "xlsx/ooxml_names.h"
#include "xlsx/relationships.h"
#include "xlsx/workbook_error.h"
#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace fs = std::filesystem;

namespace {

// The order of a workbook part's children.
constexpr std::string_view kWorkbookOrder[] = {"fileVersion",    "fileSharing",
                                               "workbookPr",     "workbookProtection",
                                               "bookViews",      "sheets",
                                               "functionGroups", "externalReferences",
                                               "definedNames",   "calcPr",
                                               "oleSize",        "customWorkbookViews",
                                               "pivotCaches",    "smartTagPr",
                                               "smartTagTypes",  "webPublishing",
                                               "fileRecoveryPr", "webPublishObjects",
                                               "extLst"};

std::string TargetOfType(PartStore& store, const std::string& part, std::string_view type) {
    std::string rels = RelationshipsPartOf(part);
    if (!store.Has(rels)) return {};
    auto relationship = FindRelationshipByType(store.Read(rels), type);
    return relationship ? ResolveTarget(part, relationship->target) : std::string();
}

// The properties that name a custom XML part; its item id is made from the
// part's name, which is unique within the workbook.
std::string CustomXmlPropertiesXml(const std::string& part) {
    unsigned hash = 2166136261u;
    for (char c : part) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char id[40];
    std::snprintf(id, sizeof id, "{0A5F1C3E-7D21-4B8E-9C4A-%012X}", hash);
    return std::string(R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>)") +
           "<ds:datastoreItem ds:itemID=\"" + id + "\" xmlns:ds=\"" +
           std::string(ooxml::kCustomXmlNs) + "\"><ds:schemaRefs/></ds:datastoreItem>";
}

CellRef Absolute(std::string_view reference) {
    std::string plain;
    for (char c : reference) {
        if (c != '$') plain += c;
    }
    return ParseCellRef(plain);
}

// "'Sheet'!$A$1:$R$33" reaching down and across to `wanted`; nothing when the
// area is several ranges, unreadable, or holds the cell already.
std::optional<std::string> WidenedArea(std::string_view area, const CellRef& wanted) {
    std::size_t bang = area.rfind('!');
    std::string_view range = bang == std::string_view::npos ? area : area.substr(bang + 1);
    std::size_t colon = range.find(':');
    if (colon == std::string_view::npos || range.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    try {
        CellRef first = Absolute(range.substr(0, colon));
        CellRef last = Absolute(range.substr(colon + 1));
        if (wanted.row <= last.row && wanted.column <= last.column) return std::nullopt;
        last = {std::max(last.column, wanted.column), std::max(last.row, wanted.row)};
        std::string prefix(bang == std::string_view::npos ? "" : area.substr(0, bang + 1));
        return prefix + "$" + ColumnLetters(first.column) + "$" + std::to_string(first.row) + ":$" +
               ColumnLetters(last.column) + "$" + std::to_string(last.row);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

}  // namespace

Workbook Workbook::Open(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) throw WorkbookError(Utf8(file), "파일이 없습니다");
    auto bytes = ReadFileBytes(file);
    if (!bytes) throw WorkbookError(Utf8(file), "파일을 읽을 수 없습니다");
    return Workbook(std::move(*bytes), Utf8(file));
}

Workbook::Workbook(std::string bytes, std::string origin)
    : store_(std::make_unique<PartStore>(std::move(bytes), std::move(origin))) {
    workbook_part_ = TargetOfType(*store_, "", ooxml::kOfficeDocumentRel);
    if (workbook_part_.empty() || !store_->Has(workbook_part_)) {
        throw WorkbookError(store_->origin(), "통합 문서가 아닙니다 (주 파트가 없습니다)");
    }
    ReadWorkbookPart();
}

Workbook::Workbook(Workbook&&) noexcept = default;
Workbook& Workbook::operator=(Workbook&&) noexcept = default;
Workbook::~Workbook() = default;

void Workbook::ReadWorkbookPart() {
    pugi::xml_node root = store_->Read(workbook_part_).document_element();
    if (std::string_view(root.name()) != "workbook") {
        throw WorkbookError(store_->origin(), "통합 문서 파트를 고칠 수 없는 형식입니다");
    }
    std::string rels_part = RelationshipsPartOf(workbook_part_);
    if (!store_->Has(rels_part))
        throw WorkbookError(store_->origin(), "통합 문서에 시트가 없습니다");
    const pugi::xml_document& rels = store_->Read(rels_part);
    styles_part_ = TargetOfType(*store_, workbook_part_, ooxml::kStylesRel);
    FontMetrics font = ReadDefaultFont(styles_part_);
    std::string shared = TargetOfType(*store_, workbook_part_, ooxml::kSharedStringsRel);

    int tab = 0;
    for (pugi::xml_node sheet : root.child("sheets").children("sheet")) {
        auto relationship = FindRelationshipById(rels, RelationshipIdOf(sheet));
        if (relationship && relationship->type == ooxml::kWorksheetRel) {
            std::string part = ResolveTarget(workbook_part_, relationship->target);
            if (!store_->Has(part)) {
                throw WorkbookError(store_->origin(), "시트 파트 " + part + "이(가) 없습니다");
            }
            sheets_.push_back({tab, std::make_unique<Worksheet>(*store_, part, shared, font)});
        }
        ++tab;
    }
    if (sheets_.empty()) throw WorkbookError(store_->origin(), "통합 문서에 워크시트가 없습니다");
}

FontMetrics Workbook::ReadDefaultFont(const std::string& styles_part) {
    if (styles_part.empty() || !store_->Has(styles_part)) return MetricsOfFont("Calibri", 11);
    pugi::xml_node styles = store_->Read(styles_part).document_element();
    // The font of the Normal style, the first cell style format.
    int font_id = styles.child("cellStyleXfs").child("xf").attribute("fontId").as_int(0);
    pugi::xml_node font = styles.child("fonts").child("font");
    for (int i = 0; i < font_id && font; ++i) font = font.next_sibling("font");
    if (!font) font = styles.child("fonts").child("font");
    return MetricsOfFont(font.child("name").attribute("val").as_string("Calibri"),
                         font.child("sz").attribute("val").as_double(11));
}

Worksheet& Workbook::Sheet(int position) {
    if (position < 1 || position > SheetCount()) {
        throw std::out_of_range("the workbook has no worksheet " + std::to_string(position));
    }
    return *sheets_[static_cast<std::size_t>(position - 1)].sheet;
}

void Workbook::Select(int position, std::string_view cell) {
    Worksheet& chosen = Sheet(position);
    SetActiveTab(sheets_[static_cast<std::size_t>(position - 1)].tab);
    for (SheetEntry& entry : sheets_) entry.sheet->SetTabSelected(entry.sheet.get() == &chosen);
    chosen.SetActiveCell(cell);
}

void Workbook::SetActiveTab(int tab) {
    pugi::xml_node view =
        store_->Read(workbook_part_).document_element().child("bookViews").child("workbookView");
    if (view && view.attribute("activeTab").as_int(0) == tab &&
        view.attribute("firstSheet").as_int(0) <= tab) {
        return;
    }
    pugi::xml_node root = store_->Edit(workbook_part_).document_element();
    pugi::xml_node views = ChildInOrder(root, "bookViews", kWorkbookOrder);
    view = views.child("workbookView");
    if (!view) view = views.append_child("workbookView");
    if (!view.attribute("activeTab")) view.append_attribute("activeTab");
    view.attribute("activeTab").set_value(tab);
    if (pugi::xml_attribute first = view.attribute("firstSheet"); first && first.as_int() > tab) {
        first.set_value(tab);
    }
}

void Workbook::DropCalculationChain() {
    std::string rels_part = RelationshipsPartOf(workbook_part_);
    auto chain = FindRelationshipByType(store_->Read(rels_part), ooxml::kCalcChainRel);
    if (!chain) return;
    std::string part = ResolveTarget(workbook_part_, chain->target);
    store_->Remove(part);
    RemoveRelationship(store_->Edit(rels_part), chain->id);
    RemoveOverrideContentType(store_->Edit(std::string(ooxml::kContentTypesPart)), part);
    // Without its chain the spreadsheet recalculates on opening, so formulas
    // that read the written cells show their new results.
    pugi::xml_node root = store_->Edit(workbook_part_).document_element();
    pugi::xml_node calculation = ChildInOrder(root, "calcPr", kWorkbookOrder);
    if (!calculation.attribute("fullCalcOnLoad")) calculation.append_attribute("fullCalcOnLoad");
    calculation.attribute("fullCalcOnLoad").set_value(1);
}

void Workbook::FillCell(int position, std::string_view cell, std::string_view argb) {
    Worksheet& sheet = Sheet(position);
    if (!fills_) fills_ = std::make_unique<CellFills>(*store_, styles_part_);
    for (const std::string& covered : sheet.MergedFrom(cell)) {
        sheet.SetStyle(covered, fills_->Filled(sheet.Style(covered), argb));
    }
}

void Workbook::IncludeInPrintArea(int position, std::string_view cell) {
    CellRef wanted = ParseCellRef(cell);
    std::string tab = std::to_string(sheets_.at(static_cast<std::size_t>(position - 1)).tab);
    pugi::xml_node names = store_->Read(workbook_part_).document_element().child("definedNames");
    for (pugi::xml_node name : names.children("definedName")) {
        if (std::string_view(name.attribute("name").value()) != "_xlnm.Print_Area" ||
            tab != name.attribute("localSheetId").value()) {
            continue;
        }
        std::optional<std::string> widened = WidenedArea(name.text().get(), wanted);
        if (!widened) return;
        store_->Edit(workbook_part_);  // the node above now belongs to the edited part
        name.text().set(widened->c_str());
        return;
    }
}

void Workbook::AddCustomXml(std::string_view xml) {
    std::string item = store_->UnusedName("customXml/item", ".xml");
    std::string properties = store_->UnusedName("customXml/itemProps", ".xml");
    store_->Create(item, xml);
    store_->Create(properties, CustomXmlPropertiesXml(properties));
    pugi::xml_document& types = store_->Edit(std::string(ooxml::kContentTypesPart));
    SetOverrideContentType(types, item, ooxml::kXmlContentType);
    SetOverrideContentType(types, properties, ooxml::kCustomXmlPropertiesContentType);
    AddRelationship(store_->EditRelationships(item), ooxml::kCustomXmlPropertiesRel,
                    RelativeTarget(item, properties));
    AddRelationship(store_->EditRelationships(workbook_part_), ooxml::kCustomXmlRel,
                    RelativeTarget(workbook_part_, item));
}

std::vector<std::string> Workbook::CustomXmlParts() {
    std::vector<std::string> parts;
    auto add = [&](const std::string& part) {
        if (store_->Has(part) && std::find(parts.begin(), parts.end(), part) == parts.end()) {
            parts.push_back(part);
        }
    };
    for (const std::string& source : {workbook_part_, std::string()}) {
        std::string rels = RelationshipsPartOf(source);
        if (!store_->Has(rels)) continue;
        for (const Relationship& relationship : ListRelationships(store_->Read(rels))) {
            if (relationship.type == ooxml::kCustomXmlRel && !relationship.external) {
                add(ResolveTarget(source, relationship.target));
            }
        }
    }
    std::string types_part(ooxml::kContentTypesPart);
    if (!store_->Has(types_part)) return parts;
    const pugi::xml_document& types = store_->Read(types_part);
    for (const std::string& part : store_->Names()) {
        if (part.starts_with("customXml/") && part.find('/', 10) == std::string::npos &&
            ContentTypeOf(types, part) == ooxml::kXmlContentType) {
            add(part);
        }
    }
    return parts;
}

std::vector<const pugi::xml_document*> Workbook::CustomXml() {
    std::vector<const pugi::xml_document*> documents;
    for (const std::string& part : CustomXmlParts()) documents.push_back(&store_->Read(part));
    return documents;
}

std::string Workbook::SaveToBytes() {
    bool cells_changed = false;
    for (SheetEntry& entry : sheets_) {
        entry.sheet->PrepareSave();
        cells_changed = cells_changed || entry.sheet->cells_changed();
    }
    if (cells_changed) DropCalculationChain();
    return store_->Save();
}

void Workbook::SaveAs(const fs::path& file, bool replace) {
    std::string bytes = SaveToBytes();
    try {
        if (replace) {
            ReplaceFileAtomically(file, bytes);
        } else {
            CreateFileAtomically(file, bytes);
        }
    } catch (const FileExistsError&) {
        throw;
    } catch (const FileError& error) {
        throw WorkbookError(Utf8(file), error.what());
    }
}

}  // namespace orvalis::xlsx
