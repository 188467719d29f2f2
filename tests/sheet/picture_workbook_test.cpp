#include "sheet/picture_workbook.h"

#include <gtest/gtest.h>

#include "sheet/picture_size.h"
#include "sheet/sheet_error.h"
#include "sheet/writer_fixture.h"

namespace orvalis::sheet {
namespace {

namespace fs = std::filesystem;

TEST(PictureWorkbook, HoldsTheFourViewsWithItemAndPartName) {
    testing::WriterFixture fixture;
    fs::path saved =
        WritePictureWorkbook({"금형 코어", "CORE-01", fixture.output().string(), false});
    EXPECT_EQ(saved, fixture.output() / "IMAGE.xlsx");

    testing::SavedWorkbook book(saved);
    EXPECT_EQ(book.Text(1, "C1"), "금형 코어");
    EXPECT_EQ(book.Text(1, "B4"), "CORE-01");
    EXPECT_EQ(book.ActiveTab(), 0);
    EXPECT_EQ(book.ActiveCell(1), "B4");

    xlsx::Worksheet& sheet = book.book().Sheet(1);
    std::vector<testing::SavedWorkbook::Picture> pictures = book.Pictures();
    ASSERT_EQ(pictures.size(), 4u);
    const char* anchors[] = {"E1", "G1", "E12", "G12"};
    for (int i = 0; i < 4; ++i) {
        const auto& picture = pictures[static_cast<std::size_t>(i)];
        SCOPED_TRACE(anchors[i]);
        EXPECT_DOUBLE_EQ(sheet.CellLeft(picture.anchor_column + "1") + picture.column_offset,
                         RoundHalfEven(sheet.CellLeft(anchors[i]) + 5));
        EXPECT_DOUBLE_EQ(sheet.CellTop("A" + std::to_string(picture.row)) + picture.row_offset,
                         RoundHalfEven(sheet.CellTop(anchors[i]) + 25));
        EXPECT_DOUBLE_EQ(picture.width, 300);
        EXPECT_DOUBLE_EQ(picture.height, 200);
    }
}

TEST(PictureWorkbook, ASecondRunReplacesItOnlyWhenAllowed) {
    testing::WriterFixture fixture;
    PictureWorkbookInput input{"first", "", fixture.output().string(), false};
    fs::path saved = WritePictureWorkbook(input);
    input.item = "second";
    EXPECT_THROW(WritePictureWorkbook(input), SheetError);
    EXPECT_EQ(testing::SavedWorkbook(saved).Text(1, "C1"), "first");
    input.overwrite = true;
    WritePictureWorkbook(input);
    EXPECT_EQ(testing::SavedWorkbook(saved).Text(1, "C1"), "second");
    EXPECT_EQ(fixture.OutputFiles(), std::vector<std::string>{"IMAGE.xlsx"});
}

}  // namespace
}  // namespace orvalis::sheet
