#include "sheet/picture_workbook.h"

#include <gtest/gtest.h>

#include "sheet/writer_fixture.h"

namespace orvalis::sheet {
namespace {

namespace fs = std::filesystem;

// The four views stand apart, two above two, beside the item and part name.
TEST(PictureWorkbook, HoldsTheFourViewsWithItemAndPartName) {
    testing::WriterFixture fixture;
    fs::path saved =
        WritePictureWorkbook({"금형 코어", "CORE-01", fixture.output().string(), false});
    EXPECT_EQ(saved, fixture.output() / "IMAGE.xlsx");

    testing::SavedWorkbook book(saved);
    EXPECT_EQ(book.Text(1, "C1"), "금형 코어");
    EXPECT_EQ(book.Text(1, "B4"), "CORE-01");

    std::vector<testing::SavedWorkbook::Picture> pictures = book.Pictures();
    ASSERT_EQ(pictures.size(), 4u);
    for (const auto& picture : pictures) {
        EXPECT_DOUBLE_EQ(picture.width, 300);
        EXPECT_DOUBLE_EQ(picture.height, 200);
    }
    // TOP and ISO side by side above Front and Right.
    EXPECT_LE(pictures[0].left + pictures[0].width, pictures[1].left);
    EXPECT_LE(pictures[0].top + pictures[0].height, pictures[2].top);
    EXPECT_LE(pictures[2].left + pictures[2].width, pictures[3].left);
    EXPECT_LE(pictures[1].top + pictures[1].height, pictures[3].top);
}

}  // namespace
}  // namespace orvalis::sheet
