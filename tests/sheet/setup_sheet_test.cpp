#include "sheet/setup_sheet.h"

#include <gtest/gtest.h>

#include <map>

#include "data_files/data_folder.h"
#include "sheet/picture_size.h"
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

TEST(SetupSheet, ToolpathsFillTheFirstPageThenTheContinuationPage) {
    for (int count : {0, 19, 20}) {
        SCOPED_TRACE("N = " + std::to_string(count));
        testing::WriterFixture fixture;
        fs::path saved = WriteSetupSheet(fixture.Input(count)).file;
        testing::SavedWorkbook book(saved);

        for (int i = 1; i <= 60; ++i) {
            bool first_page = i <= 19;
            int row = first_page ? 11 + i : i - 14;
            const char* const* columns =
                first_page ? testing::kFirstPageColumns : testing::kSecondPageColumns;
            for (int c = 0; c < 12; ++c) {
                std::string expected = i <= count ? Grid(i, c + 2) : "";
                EXPECT_EQ(book.Text(first_page ? 1 : 2, Cell(columns[c], row)), expected)
                    << "toolpath " << i << " column " << c + 2;
            }
        }
        // The host's names are kept out of sight, for the next sheet to
        // match its rows by: in no cell, only in the workbook's own data.
        for (const std::string& part : testing::PartNames(book.bytes())) {
            bool kept = part.rfind("customXml/item", 0) == 0;
            bool named = testing::ReadPart(book.bytes(), part).find("HOST-TP") != std::string::npos;
            EXPECT_TRUE(!named || kept) << "the host's toolpath name is in " << part;
        }

        EXPECT_EQ(book.Text(1, "C2"), "대한정밀");
        EXPECT_EQ(book.Text(1, "M2"), "G55");
        EXPECT_EQ(book.Text(1, "C3"), "금형 코어");
        EXPECT_EQ(book.Text(1, "M3"), "CORE-01");
        EXPECT_EQ(book.Text(1, "D33"), "C:\\JOBS\\CORE-01");
        bool continued = count >= 19;
        EXPECT_EQ(book.Text(2, "C2"), continued ? "대한정밀" : "");
        EXPECT_EQ(book.Text(2, "K2"), continued ? "G55" : "");
        EXPECT_EQ(book.Text(2, "C3"), continued ? "금형 코어" : "");
        EXPECT_EQ(book.Text(2, "K3"), continued ? "CORE-01" : "");
        EXPECT_EQ(book.Text(2, "D47"), continued ? "C:\\JOBS\\CORE-01" : "");

        EXPECT_EQ(book.ActiveTab(), 0);
        EXPECT_EQ(book.ActiveCell(1), continued ? "C2" : "A12");
        EXPECT_EQ(book.Pictures().size(), 4u);
    }
}

// Toolpaths 55 to 60 stand in the continuation page's table like the others,
// bordered, and the file location below it, whole.
TEST(SetupSheet, TheContinuationPageHoldsUpToSixtyToolpathsAboveTheFileLocation) {
    const std::string letters = "ABCDEFGHIJKLMNOP";
    for (int count : {54, 55, 60}) {
        SCOPED_TRACE("N = " + std::to_string(count));
        testing::WriterFixture fixture;
        testing::SavedWorkbook book(WriteSetupSheet(fixture.Input(count)).file);
        std::map<std::string, std::string> expected = {{"A47", "파일 위치"},
                                                       {"D47", "C:\\JOBS\\CORE-01"}};
        for (int i = 20; i <= count; ++i) {
            for (int c = 0; c < 12; ++c) {
                expected[Cell(testing::kSecondPageColumns[c], i - 14)] = Grid(i, c + 2);
            }
        }
        for (int row = 6; row <= 48; ++row) {
            for (char letter : letters) {
                std::string cell = letter + std::to_string(row);
                EXPECT_EQ(book.Text(2, cell), expected[cell]) << cell;
                if (row >= 41 && row <= 46) {
                    EXPECT_EQ(book.BorderSides(2, cell), "lrtb") << cell;
                }
            }
        }
    }
}

// The file location goes beside its caption wherever the template has it; a
// template without the caption has it in C41.
TEST(SetupSheet, TheFileLocationStandsBesideItsCaption) {
    const struct {
        const char* what;
        const char* caption_cell;  // given the caption in the template, when not null
        const char* location_cell;
    } cases[] = {
        {"the shipped template", nullptr, "D47"},
        {"an older template, the caption in B41", "B41", "C41"},
        {"a template without the caption", "", "C41"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        if (c.caption_cell) {
            fixture.EditTemplate([&](xlsx::Workbook& book) {
                book.Sheet(2).SetText("A47", "");
                if (*c.caption_cell) book.Sheet(2).SetText(c.caption_cell, "파일 위치");
            });
        }
        testing::SavedWorkbook book(WriteSetupSheet(fixture.Input(20)).file);
        for (const char* cell : {"D47", "C41"}) {
            EXPECT_EQ(book.Text(2, cell),
                      cell == std::string(c.location_cell) ? "C:\\JOBS\\CORE-01" : "")
                << cell;
        }
        EXPECT_EQ(book.Text(1, "D33"), "C:\\JOBS\\CORE-01");
    }
}

TEST(SetupSheet, PicturesSitAtTheirAnchorsAtTheSizesOfTheBoxes) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(3);
    input.picture_sizes = {"120.5", "121.5", " 250 ", "1.5E2", "300", "200", "1.5", "2.5"};
    testing::SavedWorkbook book(WriteSetupSheet(input).file);
    xlsx::Worksheet& sheet = book.book().Sheet(1);

    struct Expected {
        const char* anchor;
        double offset;
        double offset_down;  // below the frame's top border
        double width;
        double height;
    } expected[] = {{"B5", 30, 2, 120, 122},
                    {"L5", 40, 2, 250, 150},
                    {"B8", 30, 0, 300, 200},
                    {"L8", 40, 0, 2, 2}};
    std::vector<testing::SavedWorkbook::Picture> pictures = book.Pictures();
    ASSERT_EQ(pictures.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const auto& picture = pictures[static_cast<std::size_t>(i)];
        SCOPED_TRACE(expected[i].anchor);
        double left = sheet.CellLeft(picture.anchor_column + "1") + picture.column_offset;
        double top = sheet.CellTop("A" + std::to_string(picture.row)) + picture.row_offset;
        EXPECT_DOUBLE_EQ(left,
                         RoundHalfEven(sheet.CellLeft(expected[i].anchor) + expected[i].offset));
        EXPECT_DOUBLE_EQ(
            top, RoundHalfEven(sheet.CellTop(expected[i].anchor) + expected[i].offset_down));
        EXPECT_DOUBLE_EQ(picture.width, expected[i].width);
        EXPECT_DOUBLE_EQ(picture.height, expected[i].height);
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

    EXPECT_EQ(SetupSheetName("T", "NC1"), "T");
    EXPECT_EQ(SetupSheetName("", "NC1"), "NC1");
}

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
        {"size empty", [](auto&, auto& in) { in.picture_sizes[0] = ""; }, Kind::kPictureSize, "",
         0},
        {"size zero", [](auto&, auto& in) { in.picture_sizes[7] = "0.4"; }, Kind::kPictureSize,
         "0.4", 7},
        {"no name", [](auto&, auto& in) { in.name_prefix = in.first_nc_name = ""; },
         Kind::kWorkbookName, ""},
        {"name with a folder", [](auto&, auto& in) { in.name_prefix = "A/B"; }, Kind::kWorkbookName,
         "A/B"},
        {"template missing",
         [](auto& f, auto&) { fs::remove(f.drives().File(DataPath("ORVALIS.xlsx"))); },
         Kind::kTemplate, "ORVALIS.xlsx"},
        {"template damaged",
         [](auto& f, auto&) { f.drives().Write(DataPath("ORVALIS.xlsx"), "not a zip"); },
         Kind::kTemplate, "ORVALIS.xlsx"},
        {"bitmap missing",
         [](auto& f, auto&) { fs::remove(f.drives().File(DataPath("IMAGE\\Front.bmp"))); },
         Kind::kBitmap, "Front.bmp"},
        {"bitmap damaged",
         [](auto& f, auto&) { f.drives().Write(DataPath("IMAGE\\Right.bmp"), "BMgarbage"); },
         Kind::kBitmap, "Right.bmp"},
        {"folder missing",
         [](auto& f, auto& in) { in.target_folder = (f.output() / "gone").string(); }, Kind::kSave,
         "T.xlsx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WriterFixture fixture;
        SetupSheetInput input = fixture.Input(25);
        c.spoil(fixture, input);
        try {
            WriteSetupSheet(input).file;
            ADD_FAILURE() << "no failure";
        } catch (const SheetError& error) {
            EXPECT_EQ(error.kind(), c.kind);
            EXPECT_TRUE(error.subject().ends_with(c.subject_end)) << error.subject();
            EXPECT_EQ(error.box(), c.box);
        }
        EXPECT_TRUE(fixture.OutputFiles().empty());
    }
}

TEST(SetupSheet, AnExistingWorkbookIsReplacedOnlyWhenAllowed) {
    testing::WriterFixture fixture;
    fs::path target = fixture.output() / "T.xlsx";
    fixture.drives().Write(target.string(), "the operator's copy");
    SetupSheetInput input = fixture.Input(1);
    try {
        WriteSetupSheet(input).file;
        ADD_FAILURE() << "replaced without leave";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.kind(), SheetError::Kind::kWorkbookExists);
        EXPECT_EQ(error.subject(), target.string());
    }
    EXPECT_EQ(fixture.drives().Read(target.string()), "the operator's copy");

    input.overwrite = true;
    EXPECT_EQ(WriteSetupSheet(input).file, target);
    EXPECT_EQ(testing::SavedWorkbook(target).Text(1, "A12"), "r1c2");
    EXPECT_EQ(fixture.OutputFiles(), std::vector<std::string>{"T.xlsx"});
}

// Text that slipped past the decoding at the boundary must still leave a
// sheet every spreadsheet opens; a LibreOffice that meets a bad byte drops
// every row after it.
TEST(SetupSheet, HostileTextStillGivesASoundSheet) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(3);
    input.header.company = "\xB4\xEB\xC7\xD1";    // code page 949, not decoded
    input.rows[0].cutting_type = "\xFF\xFE cut";  // no code page at all
    input.rows[1].cutting_type = std::string("bell\x07 nul") + '\0' + "end";
    input.rows[2].cutting_type = "\xEF\xBF\xBE\xEF\xBF\xBF";   // valid UTF-8, no XML character
    testing::SavedWorkbook book(WriteSetupSheet(input).file);  // checks the whole package
    EXPECT_EQ(book.Text(1, "C2"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(book.Text(1, "R12"), "\xEF\xBF\xBD\xEF\xBF\xBD cut");
    EXPECT_EQ(book.Text(1, "R13"), std::string("bell\x07 nul") + '\0' + "end");
    EXPECT_EQ(book.Text(1, "R14"), "\xEF\xBF\xBE\xEF\xBF\xBF");
    EXPECT_EQ(book.Text(1, "R15"), "");  // the rows after them are all there
    EXPECT_EQ(book.Text(1, "A14"), "r3c2");
}

// A cell holds 32,767 characters; a longer text is refused, not cut or
// written for the spreadsheet to repair.
TEST(SetupSheet, TextLongerThanACellHoldsIsRefusedBeforeAnythingIsWritten) {
    testing::WriterFixture fixture;
    const std::string longest(32767, 'x');
    SetupSheetInput fits = fixture.Input(2);
    fits.rows[1].cutting_type = longest;
    fits.header.item = std::string(32767 / 3, 'x') + "금형";  // 10,924 characters
    testing::SavedWorkbook book(WriteSetupSheet(fits).file);
    EXPECT_EQ(book.Text(1, "R13"), longest);

    const std::string too_long = longest + "x";
    struct Case {
        const char* where;
        void (*spoil)(SetupSheetInput&, const std::string&);
    };
    const Case cases[] = {
        {"toolpath cell",
         [](SetupSheetInput& in, const std::string& t) { in.rows[1].step_over = t; }},
        {"company", [](SetupSheetInput& in, const std::string& t) { in.header.company = t; }},
        {"file location",
         [](SetupSheetInput& in, const std::string& t) { in.header.file_location = t; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        testing::WriterFixture empty;
        SetupSheetInput input = empty.Input(2);
        c.spoil(input, too_long);
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
    // Korean counts as one character each, as the spreadsheet counts it.
    SetupSheetInput korean = fixture.Input(1);
    korean.name_prefix = "K";
    std::string hangul;
    for (int i = 0; i < 32767; ++i) hangul += "가";
    korean.rows[0].allowance = hangul;
    EXPECT_NO_THROW(WriteSetupSheet(korean));
}

}  // namespace
}  // namespace orvalis::sheet
