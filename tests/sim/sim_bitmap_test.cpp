#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "host/host_error.h"
#include "sim_projects.h"
#include "support/temp_folder.h"
#include "xlsx/bmp_image.h"

namespace orvalis::testing {
namespace {

using namespace sim;

constexpr const char* kBitmap = "C:\\OUT\\View.bmp";

// Squares of 20 and 80 around the origin in XY, and a line of 20 along Z.
Project Shapes() {
    Project project = SmallProject();
    auto square = [](double h) {
        return Polyline{{-h, -h, 0}, {h, -h, 0}, {h, h, 0}, {-h, h, 0}, {-h, -h, 0}};
    };
    project.patterns.push_back({"SQUARE", {square(10)}});
    project.patterns.push_back({"BIG", {square(40)}});
    project.patterns.push_back({"ZLINE", {{{0, 0, -10}, {0, 0, 10}}}});
    project.patterns.push_back({"XLINE", {{{0, 0, 0}, {10, 0, 0}}}});
    return project;
}

class Picture {
  public:
    explicit Picture(const std::string& bytes) : image_(xlsx::DecodeBmp(bytes, "view")) {}

    bool Dark(int x, int y) const { return Red(x, y) < 64; }
    bool White(int x, int y) const { return Red(x, y) == 255; }
    int Red(int x, int y) const {
        return image_.pixels[(static_cast<std::size_t>(y) * image_.width + x) * 3];
    }
    double WhiteShare() const {
        std::size_t white = 0;
        for (std::size_t i = 0; i < image_.pixels.size(); i += 3) {
            if (image_.pixels[i] == 255 && image_.pixels[i + 1] == 255 &&
                image_.pixels[i + 2] == 255) {
                ++white;
            }
        }
        return static_cast<double>(white) / static_cast<double>(image_.pixels.size() / 3);
    }
    const xlsx::RgbImage& image() const { return image_; }

  private:
    xlsx::RgbImage image_;
};

struct ViewRig {
    TempDrives drives;
    SimRig rig{Shapes()};

    ViewRig() {
        std::filesystem::create_directories(drives.File("C:\\OUT"));
        rig.pm.RunCommand("UNDRAW Axes");
    }
    Picture Keep(const std::string& view, const std::vector<std::string>& drawn) {
        rig.pm.RunCommand("UNDRAW Pattern ALL");
        for (const std::string& pattern : drawn)
            rig.pm.RunCommand("DRAW Pattern '" + pattern + "'");
        rig.pm.RunCommand("ROTATE TRANSFORM " + view + " VIEWMILL RESIZEVIEW");
        rig.pm.RunCommand(std::string("KEEP BITMAP WHITEBG '") + kBitmap + "'YES");
        return Picture(*drives.Read(kBitmap));
    }
};

// Fitted with 5 % margins at 4:3, the square of 20 spans 691.2 of 1024
// pixels across and 691.2 of 768 down, centred.
TEST(SimBitmap, DrawsWhatIsDrawnDarkOnWhiteWhereItProjects) {
    ViewRig views;
    views.drives.Write(kBitmap, "an older picture");
    Picture top = views.Keep("TOP", {"SQUARE"});  // a plain 24-bit bitmap, decoded
    EXPECT_EQ(top.image().width, 1024);
    EXPECT_EQ(top.image().height, 768);
    EXPECT_TRUE(top.Dark(166, 384));  // left edge, x = -10
    EXPECT_TRUE(top.Dark(858, 384));  // right edge, x = 10
    EXPECT_TRUE(top.Dark(512, 38));   // top edge, y = 10
    EXPECT_TRUE(top.Dark(512, 730));  // bottom edge, y = -10
    EXPECT_TRUE(top.White(512, 384));
    EXPECT_TRUE(top.White(150, 384));
    EXPECT_TRUE(top.White(0, 0));
    EXPECT_GT(top.WhiteShare(), 0.98);

    // A line along Z stands upright in the front, right and iso views and is
    // a point seen from the top.
    for (const char* view : {"FRONT", "RIGHT", "ISO2"}) {
        SCOPED_TRACE(view);
        Picture side = views.Keep(view, {"ZLINE"});
        EXPECT_TRUE(side.Dark(512, 100));
        EXPECT_TRUE(side.Dark(512, 660));
        EXPECT_TRUE(side.White(560, 384));
    }
    Picture point = views.Keep("TOP", {"ZLINE"});
    EXPECT_TRUE(point.Dark(512, 384));
    EXPECT_TRUE(point.White(512, 300));

    // Seen from the front right above, +X runs to the right and down.
    Picture iso = views.Keep("ISO2", {"XLINE"});
    EXPECT_TRUE(iso.Dark(51, 118));
    EXPECT_TRUE(iso.Dark(512, 384));
    EXPECT_TRUE(iso.Dark(973, 650));
    EXPECT_TRUE(iso.White(51, 650));
    EXPECT_TRUE(iso.White(973, 118));
}

TEST(SimBitmap, AFolderThatDoesNotExistIsRefusedWithTheHostsText) {
    ViewRig views;
    ExpectRefusedThenQuiet(views.rig.pm, "KEEP BITMAP WHITEBG 'C:\\NO\\Top.bmp'YES",
                           "Cannot save bitmap 'C:\\NO\\Top.bmp': the folder does not exist");
    EXPECT_FALSE(std::filesystem::exists(views.drives.File("C:\\NO")));
}

}  // namespace
}  // namespace orvalis::testing
