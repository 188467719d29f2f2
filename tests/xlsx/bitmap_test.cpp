#include <gtest/gtest.h>
#include <png.h>

#include "sheet/test_bitmaps.h"
#include "xlsx/bmp_image.h"
#include "xlsx/png_encode.h"
#include "xlsx/workbook_error.h"

namespace orvalis::xlsx {
namespace {

using testing::Rgb;

Rgb Pattern(int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 50),
               static_cast<std::uint8_t>(x == y ? 255 : 7)};
}

Rgb PixelOf(const RgbImage& image, int x, int y) {
    const std::uint8_t* p = image.pixels.data() + (std::size_t(y) * image.width + x) * 3;
    return Rgb{p[0], p[1], p[2]};
}

void ExpectPattern(const RgbImage& image, const char* what) {
    ASSERT_EQ(image.width, 5) << what;
    ASSERT_EQ(image.height, 3) << what;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(PixelOf(image, x, y), Pattern(x, y)) << what << " at " << x << "," << y;
        }
    }
}

TEST(Bitmap, ReadsTheDepthsAndRowOrdersTheHostWrites) {
    // A width of 5 makes every row end in padding.
    ExpectPattern(DecodeBmp(testing::MakeBmp(5, 3, 24, false, Pattern), "a"), "24 bottom-up");
    ExpectPattern(DecodeBmp(testing::MakeBmp(5, 3, 24, true, Pattern), "b"), "24 top-down");
    ExpectPattern(DecodeBmp(testing::MakeBmp(5, 3, 32, false, Pattern), "c"), "32 bottom-up");

    std::vector<Rgb> palette = {{255, 255, 255}, {10, 20, 30}, {200, 0, 100}};
    RgbImage indexed = DecodeBmp(
        testing::MakePaletteBmp(5, 3, palette, [](int x, int y) { return (x + y) % 3; }), "d");
    ASSERT_EQ(indexed.width, 5);
    EXPECT_EQ(PixelOf(indexed, 1, 0), palette[1]);
    EXPECT_EQ(PixelOf(indexed, 3, 2), palette[2]);
}

TEST(Bitmap, RefusesWhatItCannotReadNamingTheFile) {
    std::string good = testing::MakeBmp(4, 4, 24, false, Pattern);
    std::string run_length = good;
    run_length[30] = 1;  // compression: 8-bit run length
    std::string no_width = good;
    no_width[18] = no_width[19] = no_width[20] = no_width[21] = 0;
    std::string odd_depth = good;
    odd_depth[28] = 12;
    const std::pair<std::string, const char*> cases[] = {
        {"GIF89a", "not a bitmap"}, {good.substr(0, good.size() - 1), "pixels cut"},
        {run_length, "compressed"}, {no_width, "no width"},
        {odd_depth, "12 bits"},
    };
    for (const auto& [bytes, what] : cases) {
        try {
            DecodeBmp(bytes, "/data/IMAGE/Top.bmp");
            ADD_FAILURE() << what << " was accepted";
        } catch (const WorkbookError& error) {
            EXPECT_EQ(error.path(), "/data/IMAGE/Top.bmp") << what;
        }
    }
}

TEST(Bitmap, ThePngHoldsTheSamePixels) {
    RgbImage image = DecodeBmp(testing::LineDrawingBmp(64, 48), "view");
    std::string png = EncodePng(image, "view");

    png_image read{};
    read.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&read, png.data(), png.size()));
    read.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(read));
    ASSERT_TRUE(png_image_finish_read(&read, nullptr, pixels.data(), 0, nullptr));
    EXPECT_EQ(read.width, 64u);
    EXPECT_EQ(read.height, 48u);
    EXPECT_EQ(pixels, image.pixels);
}

}  // namespace
}  // namespace orvalis::xlsx
