#include "capture/extent_annotation.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvalis::capture {
namespace {

const std::string kMove = "TRANSFORM RESET TRANSFORM TYPE MOVE TRANSFORM ";

// The lines of one label, from its "Delete Pattern" to its MOVEZ transform.
std::vector<std::string> LabelLines(const std::vector<std::string>& all, const std::string& name) {
    auto first = std::find(all.begin(), all.end(), "Delete Pattern '" + name + "'");
    auto last = std::find_if(first, all.end(), [](const std::string& line) {
        return line.rfind(kMove + "MOVEZ ", 0) == 0;
    });
    if (last == all.end()) return {};
    return {first, last + 2};
}

// The glyph-by-glyph sequence of a whole run, the scales from an X extent of
// 100 among them, is the capture's reviewed transcript; these are the numbers
// it does not show. An X extent of nothing scales every label to nothing.
TEST(ExtentAnnotation, AnXExtentOfNothingScalesToZero) {
    BlockBoxes flat = {"12", "12abc", "", "", "", ""};
    auto zero = AnnotationCommands(flat, ScalesFor(flat));
    EXPECT_EQ(std::count(zero.begin(), zero.end(),
                         "TRANSFORM RESET TRANSFORM TYPE SCALEALL TRANSFORM SCALEVALUE 0"),
              10);
}

TEST(ExtentAnnotation, SignsPointsAndOddCharacters) {
    BlockBoxes boxes = {"-50", "120", "-37.5", "1E-05", "", "0"};
    auto all = AnnotationCommands(boxes, ScalesFor(boxes));
    auto y_min = LabelLines(all, "Y-MIN");
    // A negative limit gets the minus glyph and its digits without the "-".
    EXPECT_EQ(y_min[5], "Edit Pattern 'Y-MIN' INSERT FILE  'C:\\TARVEL\\ORVALIS\\FONT\\MINUS.pic'");
    EXPECT_EQ(y_min[8], kMove + "MOVEX 0.96");
    std::vector<std::string> pens;
    for (const auto& line : y_min) {
        if (line.rfind(kMove + "MOVEX ", 0) == 0) pens.push_back(line.substr(kMove.size() + 6));
    }
    // 3 at 1.96, 7 at 2.89, "." at 3.75 (advance 0.34), 5 at 4.09; the line then
    // begins 1.5 above the corner and lies 1.7 to its left.
    EXPECT_EQ(pens,
              (std::vector<std::string>{"0.96", "1.96", "2.89", "3.75", "4.09", "-1.7", "-50"}));
    EXPECT_NE(std::find(y_min.begin(), y_min.end(),
                        "Edit Pattern 'Y-MIN' INSERT FILE  'C:\\TARVEL\\ORVALIS\\FONT\\DOT.PIC'"),
              y_min.end());

    // "1E-05": the "E" and "-" get no glyph, no select, no move and no advance.
    auto y_max = LabelLines(all, "Y-MAX");
    EXPECT_EQ(
        std::count_if(y_max.begin(), y_max.end(),
                      [](const std::string& l) { return l.find("NUMBER-") != std::string::npos; }),
        3);
    // 1 at 1.96, 0 at 2.66, 5 at 3.53: the pen ends at 4.39, so the line ends 5.89 before the
    // corner.
    EXPECT_NE(std::find(y_max.begin(), y_max.end(), kMove + "MOVEY -5.89"), y_max.end());

    // An empty box: letter and plus glyph only, and placement with an empty distance.
    auto z_min = LabelLines(all, "Z-MIN");
    EXPECT_EQ(std::count_if(
                  z_min.begin(), z_min.end(),
                  [](const std::string& l) { return l.find("INSERT FILE") != std::string::npos; }),
              3);  // Z.PIC, PLUS.PIC, V-MIN.PIC
    EXPECT_EQ(z_min[z_min.size() - 2], kMove + "MOVEZ ");
}

}  // namespace
}  // namespace orvalis::capture
