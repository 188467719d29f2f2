#include "platform/pattern_file.h"

#include <gtest/gtest.h>

namespace orvalis {
namespace {

// The pattern files of the label glyphs and of the simulated host.
TEST(PatternFile, ReadsPolylinesAndNamesTheLineOfAFault) {
    auto items =
        ParsePatternFile("ORVALIS PATTERN 1\n# c\n\n 0 0 0\t1.5 -2 3e-1 \n0 0 0 1 1 1 2 2 2");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0][1].x, 1.5);
    EXPECT_EQ(items[0][1].y, -2);
    EXPECT_EQ(items[0][1].z, 0.3);  // "3e-1" reads as the nearest double, as 0.3 does
    EXPECT_EQ(items[1].size(), 3u);
    EXPECT_TRUE(ParsePatternFile("ORVALIS PATTERN 1").empty());
    struct Bad {
        const char* text;
        const char* error;
    };
    const Bad bad[] = {
        {"", "line 1: not a pattern file (it must begin with \"ORVALIS PATTERN 1\")"},
        {"ORVALIS PATTERN 1\n0 0 0\n", "line 2: a line needs at least two points"},
        {"ORVALIS PATTERN 1\n\n0 0 0 1 x 1\n", "line 3: not a coordinate"},
    };
    for (const Bad& b : bad) {
        try {
            ParsePatternFile(b.text);
            ADD_FAILURE() << b.text;
        } catch (const PatternFileError& error) {
            EXPECT_EQ(std::string(error.what()), b.error) << b.text;
        }
    }
}

}  // namespace
}  // namespace orvalis
