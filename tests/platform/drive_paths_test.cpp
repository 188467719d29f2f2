#include "platform/drive_paths.h"

#include <gtest/gtest.h>

#include <fstream>

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
    // ".." stops at the drive, as on Windows.
    EXPECT_EQ(ResolvePath("C:\\..\\..\\escaped"), drives.root() / "c" / "escaped");
    EXPECT_EQ(ResolvePath("C:\\JOBS\\..\\..\\..\\..\\..\\..\\..\\..\\far/./x"),
              drives.root() / "c" / "far" / "x");
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
    // Native paths are the user's own and stay as written: "C" is not "c".
    EXPECT_EQ(ResolvePath((drives.root() / "C" / "TARVEL").string()),
              drives.root() / "C" / "TARVEL");
}

TEST(DrivePaths, TheExactNameWinsAmongCaseVariants) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps one file for names that differ only in case";
#endif
    testing::TempDrives drives;
    fs::path image = drives.root() / "c" / "IMAGE";
    fs::create_directories(image);
    for (const char* name : {"top.bmp", "Top.bmp", "TOP.BMP"}) {
        std::ofstream(image / name) << name;  // not through the resolver, which would merge them
    }
    for (const char* name : {"top.bmp", "Top.bmp", "TOP.BMP"}) {
        EXPECT_EQ(ResolvePath(std::string("C:\\IMAGE\\") + name), image / name);
    }
    // A name matching none exactly still finds one of them.
    EXPECT_EQ(ResolvePath("C:\\image\\ToP.bmp").parent_path(), image);
}

}  // namespace
}  // namespace orvalis
