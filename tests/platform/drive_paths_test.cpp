#include "platform/drive_paths.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;

TEST(DrivePaths, DrivePathsLiveUnderTheDrivesFolder) {
    testing::TempDrives drives;
    EXPECT_TRUE(IsDrivePath("C:\\TARVEL"));
    EXPECT_TRUE(IsDrivePath("d:"));
    EXPECT_FALSE(IsDrivePath("/home/user"));
    EXPECT_FALSE(IsDrivePath("CC:\\x"));
    EXPECT_EQ(ResolvePath("C:\\TARVEL\\ORVALIS\\DAT FILE\\SETTING.dat"),
              drives.root() / "c" / "TARVEL" / "ORVALIS" / "DAT FILE" / "SETTING.dat");
    EXPECT_EQ(ResolvePath("D:\\"), drives.root() / "d");
}

TEST(DrivePaths, ExistingComponentsAreFoundWithoutRegardToCase) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows finds files without regard to case itself";
#endif
    testing::TempDrives drives;
    fs::create_directories(drives.root() / "c" / "TARVEL" / "ORVALIS" / "IMAGE");
    drives.Write("C:\\TARVEL\\ORVALIS\\IMAGE\\Top.bmp", "BM");
    EXPECT_EQ(ResolvePath("c:\\tarvel\\orvalis\\image\\top.bmp"),
              drives.root() / "c" / "TARVEL" / "ORVALIS" / "IMAGE" / "Top.bmp");
    // Missing components are kept as written, so new files can be named.
    EXPECT_EQ(ResolvePath("C:\\tarvel\\NEW\\File.txt"),
              drives.root() / "c" / "TARVEL" / "NEW" / "File.txt");
    // Native paths are matched the same way.
    EXPECT_EQ(ResolvePath((drives.root() / "C" / "TARVEL").string()),
              drives.root() / "c" / "TARVEL");
}

}  // namespace
}  // namespace orvalis
