#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "capture/extent_annotation.h"
#include "platform/atomic_file.h"
#include "platform/pattern_file.h"

namespace orvalis::capture {
namespace {

namespace fs = std::filesystem;

const fs::path kFontDir = fs::path(ORVALIS_TEST_DATA_DIR) / "FONT";

std::vector<Polyline> Glyph(const std::string& name) {
    auto bytes = ReadFileBytes(kFontDir / name);
    if (!bytes) throw std::runtime_error("missing " + name);
    return ParsePatternFile(*bytes);
}

struct Extent {
    double min_x = 1e9, max_x = -1e9, min_y = 1e9, max_y = -1e9, min_z = 1e9, max_z = -1e9;
};

Extent ExtentOf(const std::vector<Polyline>& glyph) {
    Extent e;
    for (const Polyline& polyline : glyph) {
        for (const Point3& p : polyline) {
            e.min_x = std::min(e.min_x, p.x);
            e.max_x = std::max(e.max_x, p.x);
            e.min_y = std::min(e.min_y, p.y);
            e.max_y = std::max(e.max_y, p.y);
            e.min_z = std::min(e.min_z, p.z);
            e.max_z = std::max(e.max_z, p.z);
        }
    }
    return e;
}

// The labels insert the files by these names, letter case and all.
TEST(GlyphFiles, TheFontFolderHoldsExactlyTheFilesTheLabelsInsert) {
    std::set<std::string> expected = {
        "X.PIC",        "Y.PIC",        "Z.PIC",          "PLUS.PIC",       "MINUS.pic",
        "DOT.PIC",      "H-MAX.PIC",    "H-MIN.PIC",      "V-MAX.PIC",      "V-MIN.PIC",
        "TOP-View.PIC", "ISO-View.PIC", "FRONT-View.PIC", "RIGHT-View.PIC",
    };
    for (char digit = '0'; digit <= '9'; ++digit) {
        expected.insert(std::string("NUMBER-") + digit + ".PIC");
    }
    std::set<std::string> shipped;
    for (const auto& entry : fs::directory_iterator(kFontDir)) {
        std::string name = entry.path().filename().string();
        if (name != ".gitkeep") shipped.insert(name);
    }
    EXPECT_EQ(shipped, expected);
    for (const std::string& name : expected) {
        EXPECT_FALSE(Glyph(name).empty()) << name;
    }
}

// Each character is drawn from the origin towards +X, one unit high, and
// stays inside the advance the pen moves by after it, so neighbours never touch.
// (Where the corner markers point, and that the letters start at the origin
// the line lengths count from, shows in the labels on the simulated host.)
TEST(GlyphFiles, EachCharacterFitsInsideItsAdvance) {
    struct Character {
        std::string file;
        double advance;
    };
    std::vector<Character> characters = {
        {"DOT.PIC", AdvanceWidth('.')},
        // The sign follows the letter at 1 (X), 0.96 (Y) or 0.86 (Z), and the
        // first digit follows the sign one unit on.
        {"X.PIC", 1},
        {"Y.PIC", 0.96},
        {"Z.PIC", 0.86},
        {"PLUS.PIC", 1},
        {"MINUS.pic", 1},
    };
    for (char digit = '0'; digit <= '9'; ++digit) {
        characters.push_back({std::string("NUMBER-") + digit + ".PIC", AdvanceWidth(digit)});
    }
    for (const Character& c : characters) {
        SCOPED_TRACE(c.file);
        Extent e = ExtentOf(Glyph(c.file));
        EXPECT_GE(e.min_x, 0);
        EXPECT_LT(e.max_x, c.advance);
        EXPECT_GE(e.min_y, 0);
        EXPECT_LE(e.max_y, 1);
        EXPECT_EQ(e.min_z, 0);
        EXPECT_EQ(e.max_z, 0);
    }
}

}  // namespace
}  // namespace orvalis::capture
