#include "sheet/sheet_marks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "data_files/data_folder.h"
#include "platform/atomic_file.h"
#include "sheet/setup_sheet.h"
#include "sheet/sheet_row_names.h"
#include "sheet/writer_fixture.h"
#include "support/workbook_check.h"
#include "xlsx/package_fixture.h"

namespace orvalis::sheet {
namespace {

namespace fs = std::filesystem;

using Marks = std::map<std::string, std::string>;  // cell → fill colour

std::string PartOfSheet(int page) {
    return "xl/worksheets/sheet" + std::to_string(page) + ".xml";
}

// The cells of a page filled with one of the three mark colours, read the
// way a spreadsheet program reads them: the cell's format, its fill, the
// fill's colour.
Marks MarksOn(const testing::SavedWorkbook& book, int page) {
    auto styles = book.Xml("xl/styles.xml");
    std::vector<pugi::xml_node> fills, formats;
    for (pugi::xml_node fill : styles->document_element().child("fills").children("fill")) {
        fills.push_back(fill);
    }
    for (pugi::xml_node xf : styles->document_element().child("cellXfs").children("xf")) {
        formats.push_back(xf);
    }
    Marks marks;
    auto sheet = book.Xml(PartOfSheet(page));
    for (pugi::xml_node row : sheet->document_element().child("sheetData").children("row")) {
        for (pugi::xml_node cell : row.children("c")) {
            std::string address = cell.attribute("r").value();
            auto style = static_cast<std::size_t>(cell.attribute("s").as_uint(0));
            if (style >= formats.size()) {
                ADD_FAILURE() << address << " has format " << style << " of " << formats.size();
                continue;
            }
            auto fill = static_cast<std::size_t>(formats[style].attribute("fillId").as_uint(0));
            if (fill >= fills.size()) {
                ADD_FAILURE() << address << " has fill " << fill << " of " << fills.size();
                continue;
            }
            pugi::xml_node pattern = fills[fill].child("patternFill");
            std::string colour = pattern.child("fgColor").attribute("rgb").value();
            if (std::string_view(pattern.attribute("patternType").value()) != "solid") continue;
            if (colour == kChangedFill || colour == kNewRowFill || colour == kRemovedFill) {
                marks[address] = colour;
            }
        }
    }
    return marks;
}

void Mark(Marks& marks, std::initializer_list<std::string> cells, std::string_view colour) {
    for (const std::string& cell : cells) marks[cell] = colour;
}

// Every cell from column A to `last` of a row.
void MarkRow(Marks& marks, char last, int row, std::string_view colour) {
    for (char column = 'A'; column <= last; ++column) {
        marks[std::string(1, column) + std::to_string(row)] = colour;
    }
}

// The rows of `input` are on the sheet as given, marks or not.
void ExpectRows(testing::SavedWorkbook& book, const SetupSheetInput& input) {
    for (std::size_t i = 0; i < input.rows.size(); ++i) {
        bool first_page = i < 19;
        int row = first_page ? static_cast<int>(i) + 12 : static_cast<int>(i) - 13;
        for (std::size_t c = 0; c < 12; ++c) {
            std::string cell =
                (first_page ? testing::kFirstPageColumns : testing::kSecondPageColumns)[c] +
                std::to_string(row);
            EXPECT_EQ(book.Text(first_page ? 1 : 2, cell),
                      input.rows[i].Text(static_cast<survey::Column>(c + 2)))
                << "toolpath " << i + 1 << " at " << cell;
        }
    }
}

// Writes `input` once, then `edit`ed over it as a replacement.
SetupSheetResult Rewrite(SetupSheetInput input, const std::function<void(SetupSheetInput&)>& edit) {
    WriteSetupSheet(input);
    edit(input);
    input.overwrite = true;
    return WriteSetupSheet(input);
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(SheetMarks, AnUnchangedRerunMarksNothing) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(5);
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput&) {});
    ASSERT_TRUE(result.comparison);
    EXPECT_TRUE(result.comparison->changes.None());
    EXPECT_FALSE(result.comparison->changes.matched_by_nc_name);
    ASSERT_EQ(result.comparison->before.size(), 5u);
    EXPECT_EQ(result.comparison->before[4].toolpath, "HOST-TP-5");
    EXPECT_EQ(result.comparison->before[4].Cell(13), "r5c13");
    EXPECT_EQ(result.marks_skipped, "");

    EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
    testing::SavedWorkbook book(result.file);
    EXPECT_EQ(MarksOn(book, 1), Marks{});
    EXPECT_EQ(MarksOn(book, 2), Marks{});
    EXPECT_EQ(book.Text(1, "A36"), "");
    ExpectRows(book, input);
}

// A changed value is marked where it stands, over the whole merged box of
// its field and nowhere else; the cell keeps its text, font and border.
TEST(SheetMarks, AChangedValueIsFilledOverItsFieldAlone) {
    const struct {
        const char* what;
        std::size_t toolpath;  // from 1
        int grid_column;
        int page;
        std::initializer_list<std::string> cells;
    } cases[] = {
        {"tool, merged D:E", 2, 3, 1, {"D13", "E13"}},
        {"allowance, one cell", 1, 4, 1, {"F12"}},
        {"machining time, merged J:L", 18, 8, 1, {"J29", "K29", "L29"}},
        {"holder diameter, merged P:Q", 7, 12, 1, {"P18", "Q18"}},
        {"cutting type, last column", 3, 13, 1, {"R14"}},
        {"continuation page, holder diameter merged N:O", 20, 12, 2, {"N6", "O6"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(25);
        SetupSheetInput edited = input;
        edited.rows[c.toolpath - 1].SetText(static_cast<survey::Column>(c.grid_column), "바뀐 값");
        SetupSheetResult result =
            Rewrite(input, [&](SetupSheetInput& in) { in.rows = edited.rows; });
        ASSERT_TRUE(result.comparison);
        ASSERT_EQ(result.comparison->changes.changed.size(), 1u);
        EXPECT_EQ(result.comparison->changes.changed[0].row, c.toolpath - 1);
        EXPECT_TRUE(result.comparison->changes.added.empty());
        EXPECT_TRUE(result.comparison->changes.removed.empty());

        EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
        testing::SavedWorkbook book(result.file);
        Marks expected;
        Mark(expected, c.cells, kChangedFill);
        EXPECT_EQ(MarksOn(book, c.page), expected);
        EXPECT_EQ(MarksOn(book, 3 - c.page), Marks{});
        ExpectRows(book, edited);
        EXPECT_EQ(book.Text(1, "A36"), "");
        EXPECT_EQ(book.Text(2, "A48"), "");

        // Only the fill is new: the marked cell's format is its unmarked
        // neighbour's (the row below, same column) but for the fill.
        const std::string& marked = *c.cells.begin();
        std::string column = marked.substr(0, 1);
        std::string below = column + std::to_string(std::stoi(marked.substr(1)) + 1);
        auto styles = book.Xml("xl/styles.xml");
        auto sheet = book.Xml(PartOfSheet(c.page));
        auto format_of = [&](const std::string& cell) {
            pugi::xml_node found = sheet->document_element().find_node([&](pugi::xml_node node) {
                return std::string_view(node.name()) == "c" && node.attribute("r").value() == cell;
            });
            int index = found.attribute("s").as_int(0);
            pugi::xml_node xf = styles->document_element().child("cellXfs").first_child();
            while (index-- > 0) xf = xf.next_sibling("xf");
            return xf;
        };
        pugi::xml_node marked_xf = format_of(marked);
        pugi::xml_node plain_xf = format_of(below);
        for (const char* attribute : {"fontId", "borderId", "numFmtId", "xfId"}) {
            EXPECT_STREQ(marked_xf.attribute(attribute).value(),
                         plain_xf.attribute(attribute).value())
                << attribute;
        }
        EXPECT_EQ(marked_xf.child("alignment").attribute("horizontal").value(),
                  std::string(plain_xf.child("alignment").attribute("horizontal").value()));
    }
}

// After an inserted toolpath the program T5 on the machine is another
// toolpath: each row whose NC name moved is marked on it, and the removed
// toolpath is listed with the NC name it had. A toolpath the rename window
// renamed is marked on its name alone.
TEST(SheetMarks, ShiftedAndRenamedToolpathsAreMarkedOnTheirNcName) {
    survey::ToolpathRecord added = testing::WriterFixture().Input(1).rows[0];
    added.host_name = "HOST-TP-NEW";
    for (int c = survey::kTool; c <= survey::kCuttingType; ++c) {
        added.SetText(static_cast<survey::Column>(c), "new" + std::to_string(c));
    }
    const struct {
        const char* what;
        std::function<void(SetupSheetInput&)> edit;
        std::vector<std::size_t> changed;
        std::vector<std::size_t> added;
        std::vector<int> name_marked;  // rows whose A:C is filled as changed
        const char* note;
    } cases[] = {
        {"one inserted, one deleted, the NC names renumbered",
         [&](SetupSheetInput& in) {
             in.rows.erase(in.rows.begin() + 4);  // HOST-TP-5
             in.rows.insert(in.rows.begin() + 1, added);
             for (std::size_t i = 0; i < in.rows.size(); ++i) {
                 in.rows[i].nc_name = "T" + std::to_string(i + 1);
             }
         },
         {0, 2, 3, 4, 5},
         {1},
         {12, 14, 15, 16, 17},
         "삭제된 툴패스: HOST-TP-5 (이전 r5c2)"},
        {"every toolpath renamed",
         [](SetupSheetInput& in) {
             for (survey::ToolpathRecord& row : in.rows) row.host_name = "RENAMED-" + row.host_name;
         },
         {0, 1, 2, 3, 4, 5},
         {},
         {12, 13, 14, 15, 16, 17},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput edited = fixture.Input(6);
        c.edit(edited);
        SetupSheetResult result =
            Rewrite(fixture.Input(6), [&](SetupSheetInput& in) { in.rows = edited.rows; });
        ASSERT_TRUE(result.comparison);
        std::vector<std::size_t> changed;
        for (const ChangedRow& row : result.comparison->changes.changed) changed.push_back(row.row);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(result.comparison->changes.added, c.added);

        EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
        testing::SavedWorkbook book(result.file);
        Marks expected;
        for (int row : c.name_marked) {
            std::string at = std::to_string(row);
            Mark(expected, {"A" + at, "B" + at, "C" + at}, kChangedFill);
        }
        for (std::size_t row : c.added) MarkRow(expected, 'R', 12 + int(row), kNewRowFill);
        if (*c.note) MarkRow(expected, 'R', 36, kRemovedFill);
        EXPECT_EQ(MarksOn(book, 1), expected);
        EXPECT_EQ(book.Text(1, "A36"), c.note);
        ExpectRows(book, edited);
    }
}

// A row written before its survey filled it (the user agreed to that) is
// still the same toolpath on the next sheet, not a new one.
TEST(SheetMarks, AnEmptyRowTheSheetRecordedIsNoNewRowNextTime) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(3);
    input.rows[1] = {};
    input.rows[1].host_name = "HOST-TP-2";
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput&) {});
    ASSERT_TRUE(result.comparison);
    EXPECT_TRUE(result.comparison->changes.None());
    testing::SavedWorkbook book(result.file);
    EXPECT_EQ(MarksOn(book, 1), Marks{});
}

// The list of removed toolpaths prints whole: its row is as high as its
// lines, and names past the lines it may take are counted, never cut off.
TEST(SheetMarks, TheRemovedListPrintsWhole) {
    const struct {
        const char* what;
        std::size_t name_length;  // of each host name, 0 for the fixture's
        std::size_t names_shown;
        double row_height;
    } cases[] = {
        {"47 removed", 0, 47, 185.5},
        {"59 removed with names of 300 letters", 300, 3, 169},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(c.names_shown == 47 ? 48 : 60);
        for (std::size_t i = 0; c.name_length > 0 && i < input.rows.size(); ++i) {
            input.rows[i].host_name = std::string(c.name_length, 'A') + std::to_string(i + 1);
        }
        SetupSheetResult result = Rewrite(input, [](SetupSheetInput& in) { in.rows.resize(1); });
        ASSERT_TRUE(result.comparison);
        std::size_t removed = result.comparison->changes.removed.size();
        std::string list;
        for (std::size_t i = 2; i < 2 + c.names_shown; ++i) {
            list += (list.empty() ? "" : ", ") + input.rows[i - 1].host_name + " (이전 r" +
                    std::to_string(i) + "c2)";
        }
        if (c.names_shown < removed)
            list += " 외 " + std::to_string(removed - c.names_shown) + "개";

        EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
        testing::SavedWorkbook book(result.file);
        EXPECT_EQ(book.Text(1, "A36"), "삭제된 툴패스: " + list);
        EXPECT_DOUBLE_EQ(book.book().Sheet(1).RowHeight(36), c.row_height);
        EXPECT_DOUBLE_EQ(book.book().Sheet(1).RowHeight(35), 6);  // the others stay
    }
}

// The list of removed toolpaths stands below the last table the new sheet
// uses, whichever page the old sheet ended on.
TEST(SheetMarks, MarksFollowTheRowsOntoTheContinuationPage) {
    struct Case {
        const char* what;
        int old_rows;
        std::function<void(SetupSheetInput&)> edit;
        Marks first_page;
        Marks second_page;
        const char* first_note;
        const char* second_note;
    };
    Marks second_page;
    Mark(second_page, {"N31", "O31"}, kChangedFill);  // toolpath 45, holder diameter
    MarkRow(second_page, 'P', 46, kNewRowFill);       // toolpath 60
    MarkRow(second_page, 'P', 48, kRemovedFill);
    Marks first_page;
    MarkRow(first_page, 'R', 36, kRemovedFill);
    const Case cases[] = {
        {"60 rows, one changed, one removed, one added",
         60,
         [](SetupSheetInput& in) {
             in.rows[44].holder_diameter = "D32";
             survey::ToolpathRecord added = in.rows[49];
             added.host_name = "HOST-TP-NEW";
             added.tool = "Ø3B";  // not HOST-TP-50 renamed
             in.rows.erase(in.rows.begin() + 49);
             in.rows.push_back(added);
         },
         {},
         second_page,
         "",
         "삭제된 툴패스: HOST-TP-50 (이전 r50c2)"},
        {"25 rows cut to 3: the list is on the first page",
         25,
         [](SetupSheetInput& in) { in.rows.erase(in.rows.begin() + 2, in.rows.begin() + 24); },
         first_page,
         {},
         nullptr,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetResult result = Rewrite(fixture.Input(c.old_rows), c.edit);
        ASSERT_TRUE(result.comparison);
        EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
        testing::SavedWorkbook book(result.file);
        EXPECT_EQ(MarksOn(book, 1), c.first_page);
        EXPECT_EQ(MarksOn(book, 2), c.second_page);
        if (c.first_note) {
            EXPECT_EQ(book.Text(1, "A36"), c.first_note);
        } else {
            std::string removed;
            for (int i = 3; i <= 24; ++i) {
                removed += (removed.empty() ? "" : ", ") + ("HOST-TP-" + std::to_string(i)) +
                           " (이전 r" + std::to_string(i) + "c2)";
            }
            EXPECT_EQ(book.Text(1, "A36"), "삭제된 툴패스: " + removed);
        }
        EXPECT_EQ(book.Text(2, "A48"), c.second_note);
    }
}

TEST(SheetMarks, AreLeftOffWhenAsked) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(5);
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput& in) {
        in.mark_changes = false;
        in.rows[0].tool = "D12 EM";
        in.rows.erase(in.rows.begin() + 3);
        survey::ToolpathRecord added = in.rows[0];
        added.host_name = "HOST-TP-NEW";
        in.rows.push_back(added);
    });
    EXPECT_FALSE(result.comparison);
    EXPECT_EQ(result.marks_skipped, "");
    testing::SavedWorkbook book(result.file);
    EXPECT_EQ(MarksOn(book, 1), Marks{});
    EXPECT_EQ(MarksOn(book, 2), Marks{});
    EXPECT_EQ(book.Text(1, "D12"), "D12 EM");
    EXPECT_EQ(book.Text(1, "A36"), "");
}

using XmlEdit = std::function<void(pugi::xml_node root)>;

// The package with the XML parts named in `edits` edited, and without the
// parts `dropped` names.
std::string EditedPackage(const std::string& package, const std::map<std::string, XmlEdit>& edits,
                          const std::function<bool(const std::string&)>& dropped = nullptr) {
    testing::Parts parts;
    for (const std::string& name : testing::PartNames(package)) {
        if (dropped && dropped(name)) continue;
        std::string bytes = testing::ReadPart(package, name);
        if (auto edit = edits.find(name); edit != edits.end()) {
            pugi::xml_document document;
            document.load_string(bytes.c_str());
            edit->second(document.document_element());
            std::ostringstream out;
            document.save(out, "", pugi::format_raw);
            bytes = out.str();
        }
        parts.emplace_back(name, bytes);
    }
    return testing::MakePackage(parts);
}

// Removes the children of `root` that name a part in customXml/.
void DropCustomXmlEntries(pugi::xml_node root) {
    for (pugi::xml_node node = root.first_child(); node;) {
        pugi::xml_node next = node.next_sibling();
        std::string_view target = node.attribute("Target").value();
        std::string_view part = node.attribute("PartName").value();
        if (target.find("customXml/") != std::string_view::npos ||
            part.starts_with("/customXml/")) {
            root.remove_child(node);
        }
        node = next;
    }
}

// The same parts, without the host's names a sheet of an earlier version
// did not keep.
std::string WithoutRecordedNames(const std::string& package) {
    return EditedPackage(package,
                         {{"[Content_Types].xml", DropCustomXmlEntries},
                          {"xl/_rels/workbook.xml.rels", DropCustomXmlEntries}},
                         [](const std::string& name) { return name.starts_with("customXml/"); });
}

// A spreadsheet program that saves the sheet again keeps the names but may
// relate them elsewhere: LibreOffice from the package root, another not at
// all. The names are found either way.
TEST(SheetMarks, RecordedNamesAreFoundWhereverAResavingProgramRelatesThem) {
    testing::WriterFixture fixture;
    std::string written = testing::SavedWorkbook(WriteSetupSheet(fixture.Input(3)).file).bytes();
    XmlEdit related_from_root = [](pugi::xml_node root) {
        pugi::xml_node relationship = root.append_child("Relationship");
        relationship.append_attribute("Id") = "rId9";
        relationship.append_attribute("Type") =
            "http://schemas.openxmlformats.org/officeDocument/2006/relationships/customXml";
        relationship.append_attribute("Target") = "../customXml/item1.xml";
    };
    const std::map<std::string, XmlEdit> resaved[] = {
        {{"xl/_rels/workbook.xml.rels", DropCustomXmlEntries}, {"_rels/.rels", related_from_root}},
        {{"xl/_rels/workbook.xml.rels", DropCustomXmlEntries}},
    };
    for (const auto& edits : resaved) {
        xlsx::Workbook book(EditedPackage(written, edits), "resaved.xlsx");
        EXPECT_EQ(RecordedRowNames(book),
                  (std::vector<std::string>{"HOST-TP-1", "HOST-TP-2", "HOST-TP-3"}));
    }
}

// A sheet written before the names were kept is matched by NC name, so a
// renamed toolpath of the host still reads as the same row.
TEST(SheetMarks, AnOldSheetWithoutNamesIsMatchedByNcName) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(4);
    fs::path file = WriteSetupSheet(input).file;
    std::string stripped = WithoutRecordedNames(testing::SavedWorkbook(file).bytes());
    {
        xlsx::Workbook old_book(stripped, "old.xlsx");
        ASSERT_FALSE(RecordedRowNames(old_book));  // the fixture removed them
    }
    WriteBytes(file, stripped);

    for (survey::ToolpathRecord& row : input.rows) row.host_name = "RENAMED-" + row.host_name;
    input.rows[2].machining_time = survey::MachiningTime("0:45:00");  // of NC r3c2
    input.overwrite = true;
    SetupSheetResult result = WriteSetupSheet(input);
    ASSERT_TRUE(result.comparison);
    const SheetChanges& changes = result.comparison->changes;
    EXPECT_TRUE(changes.matched_by_nc_name);
    EXPECT_EQ(result.comparison->before.at(0).toolpath, "");
    EXPECT_TRUE(changes.added.empty());
    EXPECT_TRUE(changes.removed.empty());
    ASSERT_EQ(changes.changed.size(), 1u);
    EXPECT_EQ(changes.changed[0].row, 2u);

    EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
    testing::SavedWorkbook book(result.file);
    Marks expected;
    Mark(expected, {"J14", "K14", "L14"}, kChangedFill);
    EXPECT_EQ(MarksOn(book, 1), expected);

    // The new sheet keeps the names again for the sheet after it.
    ASSERT_TRUE(RecordedRowNames(book.book()));
    EXPECT_EQ(RecordedRowNames(book.book())->at(2), "RENAMED-HOST-TP-3");
}

// An old file that cannot be compared does not stop the new sheet: it is
// written whole, without marks, and says why.
TEST(SheetMarks, AnUnreadableOrForeignOldFileIsReplacedWithoutMarks) {
    std::string sound_sheet;
    {
        testing::WriterFixture fixture;
        sound_sheet = testing::SavedWorkbook(WriteSetupSheet(fixture.Input(25)).file).bytes();
    }
    auto rebuilt = [&](const std::string& broken_part, const std::string& bytes) {
        testing::Parts parts;
        for (const std::string& name : testing::PartNames(sound_sheet)) {
            parts.emplace_back(name,
                               name == broken_part ? bytes : testing::ReadPart(sound_sheet, name));
        }
        return testing::MakePackage(parts);
    };
    auto edited = [&](int page, const char* cell, const char* text) {
        xlsx::Workbook book(sound_sheet, "old.xlsx");
        book.Sheet(page).SetText(cell, text);
        return book.SaveToBytes();
    };
    const struct {
        const char* what;
        std::string old_bytes;
        const char* skipped;  // the start of the reason
        const char* why;      // a part of it
    } cases[] = {
        {"plain text", "작업 메모: 공구 확인\n", "바꾼 시트를 읽을 수 없어", "ZIP 형식이 아닙니다"},
        {"an empty file", "", "바꾼 시트를 읽을 수 없어", "통합 문서가 아닙니다"},
        {"a cut zip", sound_sheet.substr(0, sound_sheet.size() / 2), "바꾼 시트를 읽을 수 없어",
         "통합 문서가 아닙니다"},
        {"a damaged worksheet part", rebuilt("xl/worksheets/sheet1.xml", "<worksheet><sheetData>"),
         "바꾼 시트와 비교할 수 없어", "손상"},
        {"a damaged names part", rebuilt("customXml/item1.xml", "<rows"),
         "바꾼 시트와 비교할 수 없어", "customXml/item1.xml"},
        {"a workbook of another template", testing::BuildWorkbook({}), "바꾼 시트와 비교할 수 없어",
         "다른 템플릿"},
        {"a heading edited on the continuation page", edited(2, "D5", "공구명"),
         "바꾼 시트와 비교할 수 없어", "2쪽 D5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(3);
        input.rows[0].tool = "D12 EM";
        input.overwrite = true;
        fs::path target = fixture.output() / "T.xlsx";
        WriteBytes(target, c.old_bytes);
        SetupSheetResult result;
        try {
            result = WriteSetupSheet(input);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "thrown: " << error.what();
            continue;
        }
        EXPECT_EQ(result.file, target);
        EXPECT_FALSE(result.comparison);
        EXPECT_TRUE(result.marks_skipped.starts_with(c.skipped)) << result.marks_skipped;
        EXPECT_NE(result.marks_skipped.find(c.why), std::string::npos) << result.marks_skipped;
        EXPECT_EQ(fixture.OutputFiles(), std::vector<std::string>{"T.xlsx"});

        EXPECT_TRUE(testing::IsSoundWorkbookFile(target));
        testing::SavedWorkbook book(target);
        ExpectRows(book, input);
        EXPECT_EQ(MarksOn(book, 1), Marks{});
        EXPECT_EQ(MarksOn(book, 2), Marks{});
        EXPECT_EQ(book.Text(1, "A36"), "");
    }
}

// A character reference XML 1.0 forbids ("&#07;"): pugixml takes it, a
// strict reader refuses the whole part.
std::string ForbiddenReference(const std::string& xml) {
    for (std::size_t at = xml.find("&#"); at != std::string::npos; at = xml.find("&#", at + 2)) {
        std::size_t end = xml.find(';', at);
        bool hex = xml.compare(at + 2, 1, "x") == 0;
        std::size_t digits = at + (hex ? 3 : 2);
        unsigned long code = std::stoul(xml.substr(digits, end - digits), nullptr, hex ? 16 : 10);
        bool allowed = code == 0x9 || code == 0xA || code == 0xD ||
                       (code >= 0x20 && code <= 0xD7FF) || (code >= 0xE000 && code <= 0xFFFD) ||
                       (code >= 0x10000 && code <= 0x10FFFF);
        if (!allowed) return xml.substr(at, end - at + 1);
    }
    return "";
}

// The names are kept in the workbook's own XML: a name with characters XML
// cannot carry must still leave a sound package and match again next time.
TEST(SheetMarks, HostNamesWithAwkwardCharactersStillMatch) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(5);
    input.rows[0].host_name = "황삭 <코어> & \"A\"";
    input.rows[1].host_name = "bell\x07 tab\t end";
    input.rows[2].host_name = "_x0041_ 그대로 \xEF\xBF\xBE";
    input.rows[3].host_name = std::string("nul") + '\0' + " cr\r\n";
    input.rows[4].host_name = "  ";
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput&) {});
    ASSERT_TRUE(result.comparison);
    EXPECT_TRUE(result.comparison->changes.None());
    EXPECT_FALSE(result.comparison->changes.matched_by_nc_name);
    ASSERT_EQ(result.comparison->before.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(result.comparison->before[i].toolpath, input.rows[i].host_name);
    }
    EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
    std::string names =
        testing::ReadPart(testing::SavedWorkbook(result.file).bytes(), "customXml/item1.xml");
    EXPECT_EQ(ForbiddenReference(names), "") << names;
}

// The first page shows how long the job runs and how many tools it needs,
// where the template has room for them.
TEST(SheetMarks, TotalsStandInTheTemplatesTotalsRow) {
    const struct {
        const char* what;
        const char* cell;  // edited in the template first, when not null
        const char* text;
        const char* time;
        const char* tools;
    } cases[] = {
        {"the shipped template", nullptr, nullptr, "2:11:51", "3"},
        {"a template without the time caption", "A34", "", "", "3"},
        {"a template whose tool count is taken", "J34", "공구 대장 참조", "2:11:51",
         "공구 대장 참조"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        if (c.cell) {
            fixture.EditTemplate(
                [&](xlsx::Workbook& book) { book.Sheet(1).SetText(c.cell, c.text); });
        }
        SetupSheetInput input = fixture.Input(4);
        const char* const tools[][3] = {{"D10 EM", "00:28:54", "50"},
                                        {"D10 EM", "01:02:03", "50"},
                                        {"D10 EM", "00:12:00", "75"},
                                        {"R3 BALL", "00:28:54", "50"}};
        for (std::size_t i = 0; i < 4; ++i) {
            input.rows[i].tool = tools[i][0];
            input.rows[i].machining_time = survey::MachiningTime(tools[i][1]);
            input.rows[i].tool_length = tools[i][2];
        }
        fs::path file = WriteSetupSheet(input).file;
        EXPECT_TRUE(testing::IsSoundWorkbookFile(file));
        testing::SavedWorkbook book(file);
        EXPECT_EQ(book.Text(1, "D34"), c.time);
        EXPECT_EQ(book.Text(1, "J34"), c.tools);
        ExpectRows(book, input);
    }
}

// The template's workbook part with other print areas, every other part as
// it was.
std::string WithPrintAreas(const std::string& package, const std::string& first,
                           const std::string& second) {
    return EditedPackage(
        package,
        {{"xl/workbook.xml", [&](pugi::xml_node root) {
              for (pugi::xml_node area : root.child("definedNames").children("definedName")) {
                  bool first_sheet =
                      std::string_view(area.attribute("localSheetId").value()) == "0";
                  std::string text = area.text().get();
                  area.text().set(
                      (text.substr(0, text.find('!') + 1) + (first_sheet ? first : second))
                          .c_str());
              }
          }}});
}

std::vector<std::string> PrintAreas(const testing::SavedWorkbook& book) {
    std::vector<std::string> areas;
    auto workbook = book.Xml("xl/workbook.xml");
    for (pugi::xml_node area :
         workbook->document_element().child("definedNames").children("definedName")) {
        std::string text = area.text().get();
        areas.push_back(text.substr(text.find('!') + 1));
    }
    return areas;
}

// A template whose print areas end at its tables (as the one before the
// totals row did) still prints the list of removed toolpaths: the area of
// the page that holds it reaches down to it, the other page's stays. An
// area of several ranges is the shop's own and is left alone.
TEST(SheetMarks, TheRemovedListIsInsideThePrintArea) {
    const struct {
        int rows;
        const char* first;
        const char* second;
        std::vector<std::string> expected;
    } cases[] = {
        {6, "$A$1:$R$33", "$A$1:$P$46", {"$A$1:$R$36", "$A$1:$P$46"}},
        {30, "$A$1:$R$33", "$A$1:$P$46", {"$A$1:$R$33", "$A$1:$P$48"}},
        {6, "$A$1:$R$40", "$A$1:$P$46", {"$A$1:$R$40", "$A$1:$P$46"}},
        {6, "$A$1:$H$33,$J$1:$R$33", "$A$1:$P$46", {"$A$1:$H$33,$J$1:$R$33", "$A$1:$P$46"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows, " + c.first);
        testing::WriterFixture fixture;
        fs::path template_file = fixture.drives().File(DataPath("ORVALIS.xlsx"));
        std::string shipped = testing::SavedWorkbook(template_file).bytes();
        WriteBytes(template_file, WithPrintAreas(shipped, c.first, c.second));
        SetupSheetResult result = Rewrite(
            fixture.Input(c.rows), [](SetupSheetInput& in) { in.rows.erase(in.rows.begin()); });
        ASSERT_TRUE(result.comparison);
        ASSERT_EQ(result.comparison->changes.removed.size(), 1u);
        EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
        testing::SavedWorkbook book(result.file);
        EXPECT_EQ(PrintAreas(book), c.expected);
    }
}

}  // namespace
}  // namespace orvalis::sheet
