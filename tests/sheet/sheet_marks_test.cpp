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

// The grid of `input` is on the sheet as given, marks or not.
void ExpectRows(testing::SavedWorkbook& book, const SetupSheetInput& input) {
    for (std::size_t i = 0; i < input.rows.size(); ++i) {
        bool first_page = i < 19;
        int row = first_page ? static_cast<int>(i) + 12 : static_cast<int>(i) - 13;
        for (std::size_t c = 0; c < 12; ++c) {
            std::string cell =
                (first_page ? testing::kFirstPageColumns : testing::kSecondPageColumns)[c] +
                std::to_string(row);
            EXPECT_EQ(book.Text(first_page ? 1 : 2, cell), input.rows[i][c + 1])
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

// "<r><c>" texts from the fixture, as the removed list names them.
std::string RemovedList(int first, int last) {
    std::string list;
    for (int i = first; i <= last; ++i) {
        list += (list.empty() ? "" : ", ") + ("HOST-TP-" + std::to_string(i)) + " (이전 r" +
                std::to_string(i) + "c2)";
    }
    return "삭제된 툴패스: " + list;
}

// Each kind of change is marked where it stands and nowhere else: a changed
// value over the whole merged box of its field, a new row across the table, a
// toolpath whose NC name moved (after an insert, the program T5 on the machine
// is another toolpath) or that the rename window renamed on its name alone,
// and the removed ones listed below the last table the new sheet uses.
TEST(SheetMarks, EachKindOfChangeIsMarkedWhereItStands) {
    ToolpathRow added = testing::WriterFixture().Input(1).rows[0];
    added[0] = "HOST-TP-NEW";
    for (std::size_t c = 2; c < added.size(); ++c) added[c] = "new" + std::to_string(c + 1);
    auto change = [](std::size_t toolpath, std::size_t grid_column) {
        return [=](SetupSheetInput& in) { in.rows[toolpath - 1][grid_column - 1] = "바뀐 값"; };
    };
    struct Case {
        const char* what;
        int rows;
        std::function<void(SetupSheetInput&)> edit;
        Marks first_page;
        Marks second_page = {};
        std::string first_note = "";
        std::string second_note = "";
    };
    Case cases[] = {
        {"nothing changed", 5, [](SetupSheetInput&) {}, {}},
        {"tool, merged D:E", 25, change(2, 3), {}},
        {"machining time, merged J:L", 25, change(18, 8), {}},
        {"cutting type, the last column", 25, change(3, 13), {}},
        {"holder diameter on the continuation page, merged N:O", 25, change(20, 12), {}},
        {"one inserted, one deleted, the NC names renumbered",
         6,
         [&](SetupSheetInput& in) {
             in.rows.erase(in.rows.begin() + 4);  // HOST-TP-5
             in.rows.insert(in.rows.begin() + 1, added);
             for (std::size_t i = 0; i < in.rows.size(); ++i)
                 in.rows[i][1] = "T" + std::to_string(i + 1);
         },
         {},
         {},
         "삭제된 툴패스: HOST-TP-5 (이전 r5c2)"},
        {"every toolpath renamed",
         6,
         [](SetupSheetInput& in) {
             for (ToolpathRow& row : in.rows) row[0] = "RENAMED-" + row[0];
         },
         {}},
        {"60 rows, one changed, one removed, one added",
         60,
         [](SetupSheetInput& in) {
             in.rows[44][11] = "D32";
             ToolpathRow new_row = in.rows[49];
             new_row[0] = "HOST-TP-NEW";
             new_row[2] = "Ø3B";  // not HOST-TP-50 renamed
             in.rows.erase(in.rows.begin() + 49);
             in.rows.push_back(new_row);
         },
         {},
         {},
         "",
         RemovedList(50, 50)},
        {"25 rows cut to 3: the list is on the first page",
         25,
         [](SetupSheetInput& in) { in.rows.erase(in.rows.begin() + 2, in.rows.begin() + 24); },
         {},
         {},
         RemovedList(3, 24)},
    };
    Mark(cases[1].first_page, {"D13", "E13"}, kChangedFill);
    Mark(cases[2].first_page, {"J29", "K29", "L29"}, kChangedFill);
    Mark(cases[3].first_page, {"R14"}, kChangedFill);
    Mark(cases[4].second_page, {"N6", "O6"}, kChangedFill);
    for (int row : {12, 14, 15, 16, 17}) {
        std::string at = std::to_string(row);
        Mark(cases[5].first_page, {"A" + at, "B" + at, "C" + at}, kChangedFill);
    }
    MarkRow(cases[5].first_page, 'R', 13, kNewRowFill);
    MarkRow(cases[5].first_page, 'R', 36, kRemovedFill);
    for (int row = 12; row <= 17; ++row) {
        std::string at = std::to_string(row);
        Mark(cases[6].first_page, {"A" + at, "B" + at, "C" + at}, kChangedFill);
    }
    Mark(cases[7].second_page, {"N31", "O31"}, kChangedFill);  // toolpath 45
    MarkRow(cases[7].second_page, 'P', 46, kNewRowFill);       // toolpath 60
    MarkRow(cases[7].second_page, 'P', 48, kRemovedFill);
    MarkRow(cases[8].first_page, 'R', 36, kRemovedFill);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput edited = fixture.Input(c.rows);
        c.edit(edited);
        SetupSheetResult result =
            Rewrite(fixture.Input(c.rows), [&](SetupSheetInput& in) { in.rows = edited.rows; });
        ASSERT_TRUE(result.comparison);
        testing::SavedWorkbook book(result.file);
        EXPECT_EQ(MarksOn(book, 1), c.first_page);
        EXPECT_EQ(MarksOn(book, 2), c.second_page);
        EXPECT_EQ(book.Text(1, "A36"), c.first_note);
        EXPECT_EQ(book.Text(2, "A48"), c.second_note);
        ExpectRows(book, edited);
    }
}

// Only the fill is new: a marked cell's format is its unmarked neighbour's
// (the row below, same column) but for the fill.
TEST(SheetMarks, AMarkedCellKeepsItsFontBorderAndNumberFormat) {
    testing::WriterFixture fixture;
    SetupSheetResult result =
        Rewrite(fixture.Input(5), [](SetupSheetInput& in) { in.rows[1][2] = "바뀐 값"; });
    testing::SavedWorkbook book(result.file);
    auto styles = book.Xml("xl/styles.xml");
    auto sheet = book.Xml(PartOfSheet(1));
    auto format_of = [&](const char* cell) {
        std::string path = std::string("//c[@r='") + cell + "']";
        int index = sheet->select_node(path.c_str()).node().attribute("s").as_int(0);
        return styles->select_nodes("//cellXfs/xf")[static_cast<std::size_t>(index)].node();
    };
    for (const char* attribute : {"fontId", "borderId", "numFmtId"}) {
        EXPECT_STREQ(format_of("D13").attribute(attribute).value(),
                     format_of("D14").attribute(attribute).value())
            << attribute;
    }
    EXPECT_STRNE(format_of("D13").attribute("fillId").value(),
                 format_of("D14").attribute("fillId").value());
}

// A row written before its survey filled it (the user agreed to that) is
// still the same toolpath on the next sheet, not a new one; and with "변경
// 표시" off nothing is compared or marked.
TEST(SheetMarks, AnEmptyRecordedRowIsNoNewRowAndMarksMayBeLeftOff) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(3);
    for (std::size_t c = 1; c < input.rows[1].size(); ++c) input.rows[1][c].clear();
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput&) {});
    ASSERT_TRUE(result.comparison);
    EXPECT_TRUE(result.comparison->changes.None());
    EXPECT_EQ(MarksOn(testing::SavedWorkbook(result.file), 1), Marks{});

    testing::WriterFixture other;
    SetupSheetResult unmarked = Rewrite(other.Input(5), [](SetupSheetInput& in) {
        in.mark_changes = false;
        in.rows[0][2] = "D12 EM";
        in.rows.erase(in.rows.begin() + 3);
    });
    EXPECT_FALSE(unmarked.comparison);
    EXPECT_EQ(unmarked.marks_skipped, "");
    testing::SavedWorkbook book(unmarked.file);
    EXPECT_EQ(MarksOn(book, 1), Marks{});
    EXPECT_EQ(book.Text(1, "A36"), "");
}

// The list of removed toolpaths prints whole: its row is as high as its
// lines, and names past the lines it may take are counted, never cut off.
TEST(SheetMarks, TheRemovedListPrintsWhole) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(60);
    for (std::size_t i = 0; i < input.rows.size(); ++i) {
        input.rows[i][0] = std::string(300, 'A') + std::to_string(i + 1);
    }
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput& in) { in.rows.resize(1); });
    std::string list;
    for (std::size_t i = 2; i <= 4; ++i) {
        list += (list.empty() ? "" : ", ") + input.rows[i - 1][0] + " (이전 r" + std::to_string(i) +
                "c2)";
    }
    testing::SavedWorkbook book(result.file);
    EXPECT_EQ(book.Text(1, "A36"), "삭제된 툴패스: " + list + " 외 56개");
    EXPECT_DOUBLE_EQ(book.book().Sheet(1).RowHeight(36), 169);
    EXPECT_DOUBLE_EQ(book.book().Sheet(1).RowHeight(35), 6);  // the others stay
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
    WriteBytes(file, stripped);

    for (ToolpathRow& row : input.rows) row[0] = "RENAMED-" + row[0];
    input.rows[2][7] = "0:45:00";  // machining time of NC r3c2
    input.overwrite = true;
    SetupSheetResult result = WriteSetupSheet(input);
    ASSERT_TRUE(result.comparison);
    const SheetChanges& changes = result.comparison->changes;
    EXPECT_TRUE(changes.matched_by_nc_name);
    EXPECT_TRUE(changes.added.empty());
    ASSERT_EQ(changes.changed.size(), 1u);

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
        {"a cut zip", sound_sheet.substr(0, sound_sheet.size() / 2), "바꾼 시트를 읽을 수 없어",
         "통합 문서가 아닙니다"},
        {"a damaged worksheet part", rebuilt("xl/worksheets/sheet1.xml", "<worksheet><sheetData>"),
         "바꾼 시트와 비교할 수 없어", "손상"},
        {"a workbook of another template", testing::BuildWorkbook({}), "바꾼 시트와 비교할 수 없어",
         "다른 템플릿"},
        {"a heading edited on the continuation page", edited(2, "D5", "공구명"),
         "바꾼 시트와 비교할 수 없어", "2쪽 D5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(3);
        input.rows[0][2] = "D12 EM";
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
        testing::SavedWorkbook book(target);
        ExpectRows(book, input);
        EXPECT_EQ(MarksOn(book, 1), Marks{});
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
    input.rows[0][0] = "황삭 <코어> & \"A\"";
    input.rows[1][0] = "bell\x07 tab\t end";
    input.rows[2][0] = "_x0041_ 그대로 \xEF\xBF\xBE";
    input.rows[3][0] = std::string("nul") + '\0' + " cr\r\n";
    input.rows[4][0] = "  ";
    SetupSheetResult result = Rewrite(input, [](SetupSheetInput&) {});
    ASSERT_TRUE(result.comparison);
    EXPECT_TRUE(result.comparison->changes.None());
    EXPECT_FALSE(result.comparison->changes.matched_by_nc_name);
    ASSERT_EQ(result.comparison->before.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(result.comparison->before[i].toolpath, input.rows[i][0]);
    }
    EXPECT_TRUE(testing::IsSoundWorkbookFile(result.file));
    std::string names =
        testing::ReadPart(testing::SavedWorkbook(result.file).bytes(), "customXml/item1.xml");
    EXPECT_EQ(ForbiddenReference(names), "") << names;
}

// The first page shows how long the job runs and how many tools it needs,
// where the template has room for them.
TEST(SheetMarks, TotalsStandInTheTemplatesTotalsRow) {
    {
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(4);
        const char* const tools[][3] = {{"D10 EM", "00:28:54", "50"},
                                        {"D10 EM", "01:02:03", "50"},
                                        {"D10 EM", "00:12:00", "75"},
                                        {"R3 BALL", "00:28:54", "50"}};
        for (std::size_t i = 0; i < 4; ++i) {
            input.rows[i][2] = tools[i][0];
            input.rows[i][7] = tools[i][1];
            input.rows[i][8] = tools[i][2];
        }
        testing::SavedWorkbook book(WriteSetupSheet(input).file);
        EXPECT_EQ(book.Text(1, "D34"), "2:11:51");
        EXPECT_EQ(book.Text(1, "J34"), "3");  // D10 EM of 50 and of 75, R3 BALL
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
        testing::SavedWorkbook book(result.file);
        EXPECT_EQ(PrintAreas(book), c.expected);
    }
}

}  // namespace
}  // namespace orvalis::sheet
