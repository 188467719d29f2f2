#include "sheet/sheet_marks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "sheet/setup_sheet.h"
#include "sheet/sheet_row_names.h"
#include "sheet/writer_fixture.h"
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
    Marks marks;
    auto sheet = book.Xml(PartOfSheet(page));
    for (pugi::xml_node row : sheet->document_element().child("sheetData").children("row")) {
        for (pugi::xml_node cell : row.children("c")) {
            pugi::xml_node format = testing::NthChild(book.Styles().child("cellXfs"), "xf",
                                                      cell.attribute("s").as_uint(0));
            pugi::xml_node pattern = testing::NthChild(book.Styles().child("fills"), "fill",
                                                       format.attribute("fillId").as_uint(0))
                                         .child("patternFill");
            std::string colour = pattern.child("fgColor").attribute("rgb").value();
            if (std::string_view(pattern.attribute("patternType").value()) != "solid") continue;
            if (colour == kChangedFill || colour == kNewRowFill || colour == kRemovedFill) {
                marks[cell.attribute("r").value()] = colour;
            }
        }
    }
    return marks;
}

// The cells given, filled in `colour`.
Marks Filled(std::string_view colour, std::initializer_list<std::string> cells) {
    Marks marks;
    for (const std::string& cell : cells) marks[cell] = colour;
    return marks;
}

// Every cell from column A to `last` of the rows given, filled in `colour`.
Marks RowsFilled(std::string_view colour, char last, std::initializer_list<int> rows) {
    Marks marks;
    for (int row : rows) {
        for (char column = 'A'; column <= last; ++column) {
            marks[std::string(1, column) + std::to_string(row)] = colour;
        }
    }
    return marks;
}

Marks Merged(std::initializer_list<Marks> parts) {
    Marks marks;
    for (const Marks& part : parts) marks.insert(part.begin(), part.end());
    return marks;
}

// Writes `input`, then edits it and writes it again over the first.
SetupSheetResult Rewrite(SetupSheetInput& input,
                         const std::function<void(SetupSheetInput&)>& edit) {
    WriteSetupSheet(input);
    edit(input);
    input.overwrite = true;
    return WriteSetupSheet(input);
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// What changed since the sheet a new one replaces is filled where it stands:
// a changed value over the whole merged box of its field, the NC name of a
// toolpath whose host name changed (the host's name has no cell), a new row
// whole; the removed toolpaths are listed below the last table the new sheet
// uses, whichever page the old sheet ended on.
TEST(SheetMarks, ChangesSinceTheReplacedSheetAreFilledWhereTheyStand) {
    survey::ToolpathRecord added = testing::WriterFixture().Input(1).rows[0];
    added.host_name = "HOST-TP-NEW";
    added.tool = "Ø3B";  // no old toolpath renamed
    struct Case {
        const char* what;
        int rows;  // written first, then edited and written over
        std::function<void(SetupSheetInput&)> edit;
        Marks first_page;
        Marks second_page;
        const char* first_note;   // A36
        const char* second_note;  // A48
    };
    const Case cases[] = {
        {"values in fields of one, two and three cells, up to the last column, on both pages", 25,
         [](SetupSheetInput& in) {
             in.rows[0].allowance = "0.5";
             in.rows[1].tool = "Ø12F";
             in.rows[2].cutting_type = "정삭";
             in.rows[17].machining_time = survey::MachiningTime("0:45:00");
             in.rows[19].holder_diameter = "D32";
         },
         Filled(kChangedFill, {"F12", "D13", "E13", "R14", "J29", "K29", "L29"}),
         Filled(kChangedFill, {"N6", "O6"}), "", ""},
        {"one inserted, one deleted, the NC names renumbered",
         6,
         [&](SetupSheetInput& in) {
             in.rows.erase(in.rows.begin() + 4);  // HOST-TP-5
             in.rows.insert(in.rows.begin() + 1, added);
             for (std::size_t i = 0; i < in.rows.size(); ++i) {
                 in.rows[i].nc_name = "T" + std::to_string(i + 1);
             }
         },
         Merged({RowsFilled(kChangedFill, 'C', {12, 14, 15, 16, 17}),
                 RowsFilled(kNewRowFill, 'R', {13}), RowsFilled(kRemovedFill, 'R', {36})}),
         {},
         "삭제된 툴패스: HOST-TP-5 (이전 r5c2)",
         ""},
        {"every toolpath renamed",
         6,
         [](SetupSheetInput& in) {
             for (survey::ToolpathRecord& row : in.rows) row.host_name = "RENAMED-" + row.host_name;
         },
         RowsFilled(kChangedFill, 'C', {12, 13, 14, 15, 16, 17}),
         {},
         "",
         ""},
        {"60 rows, one changed, one removed, one added",
         60,
         [&](SetupSheetInput& in) {
             in.rows[44].holder_diameter = "D32";
             in.rows.erase(in.rows.begin() + 49);
             in.rows.push_back(added);
         },
         {},
         Merged({Filled(kChangedFill, {"N31", "O31"}), RowsFilled(kNewRowFill, 'P', {46}),
                 RowsFilled(kRemovedFill, 'P', {48})}),
         "",
         "삭제된 툴패스: HOST-TP-50 (이전 r50c2)"},
        {"20 rows cut to 19: the list is on the first page",
         20,
         [](SetupSheetInput& in) { in.rows.pop_back(); },
         RowsFilled(kRemovedFill, 'R', {36}),
         {},
         "삭제된 툴패스: HOST-TP-20 (이전 r20c2)",
         ""},
        {"changes with the marks left off",
         5,
         [](SetupSheetInput& in) {
             in.mark_changes = false;
             in.rows[0].tool = "D12 EM";
             in.rows.erase(in.rows.begin() + 3);
         },
         {},
         {},
         "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(c.rows);
        SetupSheetResult result = Rewrite(input, c.edit);
        EXPECT_EQ(result.comparison.has_value(), input.mark_changes);
        testing::SavedWorkbook book(result.file);
        EXPECT_EQ(MarksOn(book, 1), c.first_page);
        EXPECT_EQ(MarksOn(book, 2), c.second_page);
        EXPECT_EQ(book.Text(1, "A36"), c.first_note);
        EXPECT_EQ(book.Text(2, "A48"), c.second_note);
    }
}

// Only the fill is new: a marked cell keeps the font, border, number format
// and alignment of its field.
TEST(SheetMarks, AMarkChangesTheFillAlone) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(2);
    testing::SavedWorkbook book(
        Rewrite(input, [](SetupSheetInput& in) { in.rows[0].tool = "Ø12F"; }).file);
    pugi::xml_node marked = book.CellFormat(1, "D12");
    pugi::xml_node plain = book.CellFormat(1, "D13");  // the same field a row below
    EXPECT_NE(marked, plain);
    for (const char* attribute : {"fontId", "borderId", "numFmtId", "xfId"}) {
        EXPECT_STREQ(marked.attribute(attribute).value(), plain.attribute(attribute).value())
            << attribute;
    }
    EXPECT_STREQ(marked.child("alignment").attribute("horizontal").value(),
                 plain.child("alignment").attribute("horizontal").value());
}

// The list of removed toolpaths prints whole: its row is as high as its
// lines, and names past the lines it may take are counted, never cut off.
TEST(SheetMarks, TheRemovedListPrintsWhole) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(60);
    for (std::size_t i = 0; i < input.rows.size(); ++i) {
        input.rows[i].host_name = std::string(300, 'A') + std::to_string(i + 1);
    }
    std::string list;
    for (std::size_t i = 2; i <= 4; ++i) {
        list += (list.empty() ? "" : ", ") + input.rows[i - 1].host_name + " (이전 r" +
                std::to_string(i) + "c2)";
    }
    testing::SavedWorkbook book(
        Rewrite(input, [](SetupSheetInput& in) { in.rows.resize(1); }).file);
    EXPECT_EQ(book.Text(1, "A36"), "삭제된 툴패스: " + list + " 외 56개");
    EXPECT_DOUBLE_EQ(book.book().Sheet(1).RowHeight(36), 169);
}

// The host's names are kept in the workbook's own XML: a name with
// characters XML cannot carry must still leave a sound package and match
// again next time. A row written before its survey filled it (the user
// agreed to that) is still the same toolpath, not a new one.
TEST(SheetMarks, AnUnchangedRerunMatchesEveryRowWhateverItsName) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(6);
    input.rows[3].host_name = std::string("nul") + '\0' + " cr\r\n";
    input.rows[4].host_name = "  ";
    input.rows[5] = {};
    input.rows[5].host_name = "HOST-TP-6";
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput&) {});
    ASSERT_TRUE(result.comparison);
    EXPECT_TRUE(result.comparison->changes.None());
    EXPECT_FALSE(result.comparison->changes.matched_by_nc_name);
    ASSERT_EQ(result.comparison->before.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(result.comparison->before[i].toolpath, input.rows[i].host_name);
    }

    testing::SavedWorkbook book(result.file);  // sound, the names' part too
}

// The package with one part's bytes replaced.
std::string WithPart(const std::string& package, const std::string& part,
                     const std::string& bytes) {
    testing::Parts parts;
    for (const std::string& name : testing::PartNames(package)) {
        parts.emplace_back(name, name == part ? bytes : testing::ReadPart(package, name));
    }
    return testing::MakePackage(parts);
}

// A spreadsheet program that saves the sheet again keeps the names but may
// no longer relate them from the workbook; they are found all the same. A
// sheet written before the names were kept has none, and its rows are
// matched by NC name.
TEST(SheetMarks, RecordedNamesAreFoundWhereverAResavingProgramRelatesThem) {
    testing::WriterFixture fixture;
    std::string written = testing::SavedWorkbook(WriteSetupSheet(fixture.Input(3)).file).bytes();
    std::string rels = testing::ReadPart(written, "xl/_rels/workbook.xml.rels");
    std::size_t target = rels.find("customXml/item1.xml");
    ASSERT_NE(target, std::string::npos) << rels;
    std::size_t start = rels.rfind("<Relationship ", target);
    rels.erase(start, rels.find("/>", target) + 2 - start);
    xlsx::Workbook resaved(WithPart(written, "xl/_rels/workbook.xml.rels", rels), "resaved.xlsx");
    EXPECT_EQ(RecordedRowNames(resaved),
              (std::vector<std::string>{"HOST-TP-1", "HOST-TP-2", "HOST-TP-3"}));

    xlsx::Workbook old_sheet(testing::BuildWorkbook({}), "old.xlsx");
    EXPECT_FALSE(RecordedRowNames(old_sheet));
}

// An old file that cannot be compared does not stop the new sheet: it is
// written whole, without marks, and says why.
TEST(SheetMarks, AnUnreadableOrForeignOldFileIsReplacedWithoutMarks) {
    std::string sound_sheet;
    {
        testing::WriterFixture fixture;
        sound_sheet = testing::SavedWorkbook(WriteSetupSheet(fixture.Input(25)).file).bytes();
    }
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
        {"a cut zip", sound_sheet.substr(0, sound_sheet.size() / 2), "바꾼 시트를 읽을 수 없어",
         "통합 문서가 아닙니다"},
        {"a damaged names part", WithPart(sound_sheet, "customXml/item1.xml", "<rows"),
         "바꾼 시트와 비교할 수 없어", "customXml/item1.xml"},
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
        EXPECT_FALSE(result.comparison);
        EXPECT_TRUE(result.marks_skipped.starts_with(c.skipped)) << result.marks_skipped;
        EXPECT_NE(result.marks_skipped.find(c.why), std::string::npos) << result.marks_skipped;

        testing::SavedWorkbook book(target);
        EXPECT_EQ(book.Text(1, "D12"), "D12 EM");
        EXPECT_EQ(MarksOn(book, 1), Marks{});
    }
}

}  // namespace
}  // namespace orvalis::sheet
