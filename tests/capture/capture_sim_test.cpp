#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "capture/extent_annotation.h"
#include "capture/view_capture.h"
#include "data_files/data_folder.h"
#include "sim/sim_projects.h"
#include "support/temp_folder.h"
#include "xlsx/bmp_image.h"

namespace orvalis::capture {
namespace {

using sim::Pattern;
using sim::Point3;

// A simulated host with the sample project and a data folder filled from
// the shipped files, so the glyph files are where the labels look for them.
struct SampleRig {
    testing::TempDrives drives;
    testing::ScopedEnv data{"ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR};
    testing::SimRig sim{testing::SampleProject()};

    SampleRig() { EnsureDataFolder(); }

    const Pattern& PatternNamed(const std::string& name) const {
        const auto& patterns = sim.host->project().patterns;
        auto found = std::find_if(patterns.begin(), patterns.end(),
                                  [&](const Pattern& p) { return p.name == name; });
        if (found == patterns.end()) throw std::runtime_error("no pattern " + name);
        return *found;
    }
};

struct Box {
    Point3 min{1e9, 1e9, 1e9};
    Point3 max{-1e9, -1e9, -1e9};
    bool has_corner = false;
};

Box BoxOf(const Pattern& pattern, const Point3& corner) {
    Box box;
    for (const auto& polyline : pattern.polylines) {
        for (const Point3& p : polyline) {
            box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y),
                       std::min(box.min.z, p.z)};
            box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y),
                       std::max(box.max.z, p.z)};
            if (std::fabs(p.x - corner.x) < 1e-9 && std::fabs(p.y - corner.y) < 1e-9 &&
                std::fabs(p.z - corner.z) < 1e-9) {
                box.has_corner = true;
            }
        }
    }
    return box;
}

// The labels built on the simulated host from the shipped glyphs: each sits on
// its side of its corner, its marker's tip on the corner itself. The X
// maximum of 120 ends its line 5.96 glyph units left of the corner.
TEST(CaptureOnSim, TheLabelsLandBesideTheirCorners) {
    SampleRig rig;
    BlockBoxes boxes{"-50", "120", "-40", "40", "-30", "0"};
    LabelScales scales = ScalesFor(boxes);
    rig.sim.pm.RunCommand("DIALOGS ERROR OFF");
    for (const std::string& line : AnnotationCommands(boxes, scales)) rig.sim.pm.RunCommand(line);
    const double s = scales.label, e = 1e-9;

    Box x_max = BoxOf(rig.PatternNamed("X-MAX"), {120, 40, 0});
    EXPECT_TRUE(x_max.has_corner);
    EXPECT_NEAR(x_max.min.x, 120 - 5.96 * s, e);
    EXPECT_NEAR(x_max.max.y, 40 + 2.7 * s, e);  // 1.7 above, one glyph high

    Box x_min = BoxOf(rig.PatternNamed("X-MIN"), {-50, -40, 0});
    EXPECT_TRUE(x_min.has_corner);
    EXPECT_NEAR(x_min.min.y, -40 - 1.7 * s, e);

    // "Y+40": 1.96 + 0.94 + 0.87 = 3.77, so the line is 5.27 long.
    Box y_max = BoxOf(rig.PatternNamed("Y-MAX"), {120, 40, 0});
    EXPECT_TRUE(y_max.has_corner);
    EXPECT_NEAR(y_max.min.y, 40 - 5.27 * s, e);
    EXPECT_NEAR(y_max.max.x, 120 + 1.7 * s, e);

    Box y_min = BoxOf(rig.PatternNamed("Y-MIN"), {-50, -40, 0});
    EXPECT_TRUE(y_min.has_corner);
    EXPECT_NEAR(y_min.min.x, -50 - 2.7 * s, e);

    // The Z labels stand upright on the front face (Y minimum).
    const double z = scales.z;
    Box z_max = BoxOf(rig.PatternNamed("Z-MAX"), {120, -40, 0});
    EXPECT_TRUE(z_max.has_corner);
    EXPECT_NEAR(z_max.min.y, -40, e);
    EXPECT_NEAR(z_max.max.y, -40, e);
    EXPECT_NEAR(z_max.min.z, 0 - (1.86 + 0.87 + 1.5) * z, e);  // "Z+0"

    Box z_min = BoxOf(rig.PatternNamed("Z-MIN"), {-50, -40, -30});
    EXPECT_TRUE(z_min.has_corner);
    EXPECT_NEAR(z_min.min.y, -40, e);
    EXPECT_NEAR(z_min.max.y, -40, e);

    // The titles are one glyph high at the Z scale, each facing its view.
    Box top = BoxOf(rig.PatternNamed("TOP-View"), {});
    EXPECT_NEAR(top.max.y - top.min.y, z, e);
    Box front = BoxOf(rig.PatternNamed("FRONT-View"), {});
    EXPECT_NEAR(front.max.z - front.min.z, z, e);
    Box right = BoxOf(rig.PatternNamed("RIGHT-View"), {});
    EXPECT_NEAR(right.max.z - right.min.z, z, e);

    // Only the deletes of labels that did not exist yet were refused.
    for (const std::string& error : rig.sim.host->quiet_errors()) {
        EXPECT_NE(error.find("' does not exist"), std::string::npos) << error;
        EXPECT_EQ(error.find("File"), std::string::npos) << error;
    }
    EXPECT_EQ(rig.sim.host->quiet_errors().size(), 10u);
}

// The whole run on the sample project: every command has its effect, the
// four bitmaps are kept, and the patterns the run used are gone afterwards.
TEST(CaptureOnSim, ARunKeepsFourBitmapsAndLeavesNoPatterns) {
    SampleRig rig;
    BlockBoxes boxes{"-50", "50", "-40", "40", "-30", "0"};
    ASSERT_FALSE(RunCapture(rig.sim.pm, boxes));
    EXPECT_TRUE(rig.sim.host->project().patterns.empty());
    for (const std::string& line : rig.sim.host->recorded()) {
        for (const char* handled : {"PATTERN", "TRANSFORM", "KEEP", "VIEW", "COLOUR", "DRAWMODE"}) {
            std::string upper = line;
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(upper.find(handled), std::string::npos) << line;
        }
    }
    std::vector<double> white_shares;
    for (const char* file : {"Top.bmp", "Front.bmp", "Right.bmp", "ISO.bmp"}) {
        SCOPED_TRACE(file);
        auto bytes = rig.drives.Read(std::string(kImageFolder) + file);
        ASSERT_TRUE(bytes);
        xlsx::RgbImage image = xlsx::DecodeBmp(*bytes, file);
        EXPECT_EQ(image.width, 1024);
        EXPECT_EQ(image.height, 768);
        std::size_t white = std::count(image.pixels.begin(), image.pixels.end(), 255);
        white_shares.push_back(static_cast<double>(white) /
                               static_cast<double>(image.pixels.size()));
        EXPECT_GT(white_shares.back(), 0.9);
        EXPECT_LT(white_shares.back(), 0.995);
    }
    // The top view carries four labels and the block, the right view none.
    EXPECT_LT(white_shares[0], white_shares[2]);

    // A second run finds no outlines and keeps four bitmaps all the same.
    ASSERT_FALSE(RunCapture(rig.sim.pm, boxes));
    EXPECT_TRUE(rig.drives.Read(std::string(kImageFolder) + "ISO.bmp"));
}

}  // namespace
}  // namespace orvalis::capture
