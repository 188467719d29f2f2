#include "sheet/picture_size.h"

#include <gtest/gtest.h>

#include "sheet/sheet_error.h"

namespace orvalis::sheet {
namespace {

TEST(PictureSize, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {
        {120.5, 120}, {121.5, 122}, {0.5, 0},   {-2.5, -2},  {78.75, 79},
        {78.25, 78},  {300, 300},   {-0.4, -0}, {1.4999, 1},
    };
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(PictureSize, BoxTextsBecomeWholePoints) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"300", 300},
        {"120.5", 120},
        {"121.5", 122},
        {" 200\t", 200},
        {"+2.5E1", 25},
        {".9", 1},
        {"32767", 32767},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"abc", std::nullopt},
        {"30O", std::nullopt},
        {"1,5", std::nullopt},
        {"0", std::nullopt},
        {"0.5", std::nullopt},
        {"-10", std::nullopt},
        {"32768", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const auto& [text, points] : cases) EXPECT_EQ(WholePoints(text), points) << text;
}

TEST(PictureSize, TheFirstBadBoxIsNamed) {
    settings::PictureSizeTexts boxes = {"300", "200", "300", "200", "x", "200", "", "200"};
    try {
        PictureSizesInPoints(boxes);
        ADD_FAILURE() << "accepted";
    } catch (const SheetError& error) {
        EXPECT_EQ(error.kind(), SheetError::Kind::kPictureSize);
        EXPECT_EQ(error.box(), 4);
        EXPECT_EQ(error.subject(), "x");
    }
    boxes[4] = "120.5";
    boxes[6] = "121.5";
    EXPECT_EQ(PictureSizesInPoints(boxes),
              (std::array<int, 8>{300, 200, 300, 200, 120, 200, 122, 200}));
}

}  // namespace
}  // namespace orvalis::sheet
