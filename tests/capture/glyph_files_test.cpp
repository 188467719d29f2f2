#include <gtest/gtest.h>

#include <filesystem>
#include <set>

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

}  // namespace
}  // namespace orvalis::capture
