#include "data_files/data_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "data_files/settings_files.h"
#include "platform/atomic_file_seam.h"
#include "support/temp_folder.h"

namespace orvalis {
namespace {

TEST(DataFolder, IsFilledFromTheShippedFilesWithoutOverwriting) {
    testing::TempDrives drives;
    testing::TempFolder shipped;
    auto write_shipped = [&](const std::string& relative, const std::string& bytes) {
        std::filesystem::create_directories((shipped.path() / relative).parent_path());
        std::ofstream(shipped.path() / relative, std::ios::binary) << bytes;
    };
    write_shipped("DAT FILE/SETTING.dat", "shipped");
    write_shipped("DAT FILE/Sample.Ini", "shipped");
    write_shipped("FONT/.gitkeep", "");
    drives.Write("C:\\TARVEL\\ORVALIS\\dat file\\sample.ini", "user's companies");

    FillMissingFiles(shipped.path(), kDataFolder);
    FillMissingFiles(shipped.path(), kDataFolder);  // a second start changes nothing

    EXPECT_EQ(drives.Read(settings::SettingFilePath()), "shipped");
    EXPECT_EQ(drives.Read(settings::CompanyFilePath()), "user's companies");
    EXPECT_TRUE(std::filesystem::is_directory(drives.root() / "c" / "TARVEL" / "ORVALIS" / "FONT"));
    EXPECT_FALSE(drives.Read("C:\\TARVEL\\ORVALIS\\FONT\\.gitkeep"));
}

// A kill or a full disk between writing and renaming: the file is not there
// at all, so the next start copies it whole.
TEST(DataFolder, ACopyStoppedBeforeItsRenameLeavesNoFile) {
    testing::TempDrives drives;
    testing::TempFolder shipped;
    std::filesystem::create_directories(shipped.path() / "FONT");
    std::ofstream(shipped.path() / "FONT" / "X.PIC", std::ios::binary) << "glyph";

    FailNextReplaceBeforeRename();
    EXPECT_EQ(FillFromShipped(shipped.path(), kDataFolder).unfilled.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(drives.File("C:\\TARVEL\\ORVALIS\\FONT")));

    FillMissingFiles(shipped.path(), kDataFolder);
    EXPECT_EQ(drives.Read("C:\\TARVEL\\ORVALIS\\FONT\\X.PIC"), "glyph");
}

// A data folder that cannot take the shipped files still serves: what could
// not be created reads as missing, and the user is warned once.
TEST(DataFolder, AFolderThatCannotTakeTheShippedFilesStillServesWithOneWarning) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    drives.Write("C:\\TARVEL\\ORVALIS\\DAT FILE", "a file where the folder should be");
    std::vector<std::string> warnings = EnsureDataFolder();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(
        warnings[0].rfind("데이터 폴더에 파일을 만들 수 없어 없는 설정은 빈 것으로 읽습니다", 0),
        0u)
        << warnings[0];
    EXPECT_EQ(settings::LoadNcExtension(), "");
}

}  // namespace
}  // namespace orvalis
