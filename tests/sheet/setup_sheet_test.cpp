#include "sheet/setup_sheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "data_files/data_folder.h"
#include "sheet/sheet_error.h"
#include "sheet/sheet_messages.h"
#include "sheet/writer_fixture.h"
#include "xlsx/package_fixture.h"

namespace orvalis::sheet {
namespace {

namespace fs = std::filesystem;

std::string Cell(const char* column, int row) {
    return column + std::to_string(row);
}
std::string Grid(int toolpath, int column) {
    return "r" + std::to_string(toolpath) + "c" + std::to_string(column);
}

// Toolpaths 1 to 19 fill the first page's table and the rest the
// continuation page's, up to 60 above the file location; the continuation
// page repeats the header once the first page is full. The first page shows
// the totals: here every time is unreadable ("r<i>c8") and every tool another.
TEST(SetupSheet, ToolpathsFillTheFirstPageThenTheContinuationPage) {
    const std::string location = "C:\\JOBS\\CORE-01";
    for (int count : {0, 19, 20, 60}) {
        SCOPED_TRACE("N = " + std::to_string(count));
        testing::WriterFixture fixture;
        testing::SavedWorkbook book(WriteSetupSheet(fixture.Input(count)).file);
        bool continued = count >= 19;
        std::string unread = " (시간을 모르는 " + std::to_string(count) + "개 제외)";
        std::map<std::string, std::string> pages[] = {
            {{"C2", "대한정밀"},
             {"M2", "G55"},
             {"C3", "금형 코어"},
             {"M3", "CORE-01"},
             {"D33", location},
             {"D34", "0:00:00" + (count > 0 ? unread : "")},
             {"J34", std::to_string(count)}},
            {{"A47", "파일 위치"}, {"D47", continued ? location : ""}},
        };
        if (continued) {
            pages[1].insert(
                {{"C2", "대한정밀"}, {"K2", "G55"}, {"C3", "금형 코어"}, {"K3", "CORE-01"}});
        }
        for (int i = 1; i <= count; ++i) {
            bool first_page = i <= 19;
            const char* const* columns =
                first_page ? testing::kFirstPageColumns : testing::kSecondPageColumns;
            for (int c = 0; c < 12; ++c) {
                pages[first_page ? 0 : 1][Cell(columns[c], first_page ? 11 + i : i - 14)] =
                    Grid(i, c + 2);
            }
        }
        // Each table is empty but for the toolpaths.
        const struct {
            char last_column;
            int first_row;
            int last_row;
        } tables[] = {{'R', 12, 30}, {'P', 6, 48}};
        for (int page = 1; page <= 2; ++page) {
            const auto& table = tables[page - 1];
            for (int row = table.first_row; row <= table.last_row; ++row) {
                for (char letter = 'A'; letter <= table.last_column; ++letter) {
                    pages[page - 1].try_emplace(letter + std::to_string(row), "");
                }
            }
            for (const auto& [cell, text] : pages[page - 1]) {
                EXPECT_EQ(book.Text(page, cell), text) << "page " << page << " " << cell;
            }
        }
        // The host's names are kept out of sight, for the next sheet to
        // match its rows by: in no cell, only in the workbook's own data.
        for (const std::string& part : testing::PartNames(book.bytes())) {
            bool kept = part.rfind("customXml/item", 0) == 0;
            bool named = testing::ReadPart(book.bytes(), part).find("HOST-TP") != std::string::npos;
            EXPECT_TRUE(!named || kept) << "the host's toolpath name is in " << part;
        }
    }
}

// The file location goes beside its caption wherever the template has it:
// the shipped one below the table, an older one beside the continuation
// page's last rows. A template without the caption has it in C41.
TEST(SetupSheet, TheFileLocationStandsBesideItsCaption) {
    for (const char* caption_cell : {"B41", ""}) {
        SCOPED_TRACE(caption_cell);
        testing::WriterFixture fixture;
        fixture.EditTemplate([&](xlsx::Workbook& book) {
            book.Sheet(2).SetText("A47", "");
            if (*caption_cell) book.Sheet(2).SetText(caption_cell, "파일 위치");
        });
        testing::SavedWorkbook book(WriteSetupSheet(fixture.Input(20)).file);
        EXPECT_EQ(book.Text(2, "C41"), "C:\\JOBS\\CORE-01");
        EXPECT_EQ(book.Text(2, "D47"), "");
    }
}

TEST(SetupSheet, IsNamedAfterThePrefixElseTheFirstNcName) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(2);
    EXPECT_EQ(WriteSetupSheet(input).file, fixture.output() / "T.xlsx");

    input.name_prefix = "";
    EXPECT_EQ(WriteSetupSheet(input).file, fixture.output() / "r1c2.xlsx");

    input.name_prefix = "PART.xlsx";  // the extension is not doubled
    EXPECT_EQ(WriteSetupSheet(input).file, fixture.output() / "PART.xlsx");
}

// The four views take the sizes of their boxes (TOP, ISO, Front, Right, each
// width then height) and, at the largest a shop uses, stay inside the
// picture frame: below the header, above the table headings, within the
// print area.
TEST(SetupSheet, TheViewsFitTheirFrameAtTheSizesOfTheirBoxes) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(3);
    input.picture_sizes = {"300", "200", "299", "199", "298", "198", "297", "197"};
    testing::SavedWorkbook book(WriteSetupSheet(input).file);
    xlsx::Worksheet& sheet = book.book().Sheet(1);
    std::vector<testing::SavedWorkbook::Picture> pictures = book.Pictures();
    ASSERT_EQ(pictures.size(), 4u);
    double smaller = 0;  // each box a point smaller than the one before
    for (const auto& picture : pictures) {
        EXPECT_DOUBLE_EQ(picture.width, 300 - smaller);
        EXPECT_DOUBLE_EQ(picture.height, 200 - smaller);
        EXPECT_GE(picture.top, sheet.CellTop("A4"));
        EXPECT_LE(picture.top + picture.height, sheet.CellTop("A11")) << "over the table headings";
        EXPECT_LE(picture.left + picture.width, sheet.CellLeft("S1")) << "past the print area";
        ++smaller;
    }
}

// A failure, a workbook of the name there included, says what failed and
// leaves the folder as it was.
TEST(SetupSheet, AFailureSaysWhatFailedAndLeavesNoFile) {
    using Kind = SheetError::Kind;
    struct Case {
        const char* what;
        std::function<void(testing::WriterFixture&, SetupSheetInput&)> spoil;
        Kind kind;
        std::string subject_end;
        int box = -1;
    } cases[] = {
        {"size not a number", [](auto&, auto& in) { in.picture_sizes[3] = "2OO"; },
         Kind::kPictureSize, "2OO", 3},
        {"no name", [](auto&, auto& in) { in.name_prefix = in.first_nc_name = ""; },
         Kind::kWorkbookName, ""},
        {"template missing",
         [](auto& f, auto&) { fs::remove(f.drives().File(DataPath("ORVALIS.xlsx"))); },
         Kind::kTemplate, "ORVALIS.xlsx"},
        {"bitmap missing",
         [](auto& f, auto&) { fs::remove(f.drives().File(DataPath("IMAGE\\Front.bmp"))); },
         Kind::kBitmap, "Front.bmp"},
        {"a workbook of that name there",
         [](auto& f, auto&) {
             f.drives().Write((f.output() / "T.xlsx").string(), "the operator's copy");
         },
         Kind::kWorkbookExists, "T.xlsx"},
        {"folder missing",
         [](auto& f, auto& in) { in.target_folder = (f.output() / "gone").string(); }, Kind::kSave,
         "T.xlsx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(25);
        c.spoil(fixture, input);
        std::vector<std::string> files = fixture.OutputFiles();
        try {
            WriteSetupSheet(input).file;
            ADD_FAILURE() << "no failure";
        } catch (const SheetError& error) {
            EXPECT_EQ(error.kind(), c.kind);
            EXPECT_TRUE(error.subject().ends_with(c.subject_end)) << error.subject();
            EXPECT_EQ(error.box(), c.box);
        }
        EXPECT_EQ(fixture.OutputFiles(), files);  // nothing written, nothing left
    }
}

// A cell holds 32,767 characters, Korean counting one each as the
// spreadsheet counts them; a longer text is refused, not cut or written for
// the spreadsheet to repair.
TEST(SetupSheet, TextLongerThanACellHoldsIsRefusedBeforeAnythingIsWritten) {
    testing::WriterFixture fixture;
    const std::string longest(32767, 'x');
    SetupSheetInput fits = fixture.Input(2);
    fits.rows[1].cutting_type = longest;
    fits.rows[0].allowance.clear();
    for (int i = 0; i < 32767; ++i) fits.rows[0].allowance += "가";
    testing::SavedWorkbook book(WriteSetupSheet(fits).file);
    EXPECT_EQ(book.Text(1, "R13"), longest);

    testing::WriterFixture empty;
    SetupSheetInput input = empty.Input(2);
    input.rows[1].step_over = longest + "x";
    try {
        WriteSetupSheet(input).file;
        ADD_FAILURE() << "written";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.kind(), SheetError::Kind::kCellText);
        EXPECT_EQ(SheetErrorMessage(error),
                  "글이 너무 길어 시트에 쓰지 않았습니다 (한 칸에 32,767자까지): "
                  "'xxxxxxxxxxxxxxxxxxxx…'");
    }
    EXPECT_TRUE(empty.OutputFiles().empty());
}

}  // namespace
}  // namespace orvalis::sheet
