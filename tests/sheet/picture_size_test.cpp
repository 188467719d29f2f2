#include "sheet/picture_size.h"

#include <gtest/gtest.h>

namespace orvalis::sheet {
namespace {

// Halves go to the even neighbour: 120.5 is 120 and 121.5 is 122.
TEST(PictureSize, BoxTextsBecomeWholePoints) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"300", 300},          {"120.5", 120},          {"121.5", 122},
        {" 200\t", 200},       {"+2.5E1", 25},          {".9", 1},
        {"32767", 32767},      {"", std::nullopt},      {"30O", std::nullopt},
        {"0", std::nullopt},   {"0.5", std::nullopt},   {"32768", std::nullopt},
        {"inf", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const auto& [text, points] : cases) EXPECT_EQ(WholePoints(text), points) << text;
}

}  // namespace
}  // namespace orvalis::sheet
