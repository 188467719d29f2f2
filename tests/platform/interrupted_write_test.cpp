#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "data_files/settings_files.h"
#include "data_files/tool_assembly_file.h"
#include "platform/atomic_file_seam.h"
#include "platform/cp949.h"
#include "platform/file_error.h"
#include "support/temp_folder.h"

namespace orvalis::settings {
namespace {

namespace fs = std::filesystem;

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A write stopped after its temporary file was written and before it was
// renamed: the settings or record file stays exactly as it was, nothing is
// left beside it, and the next write goes through. One writer of each kind:
// the profile files' (WriteSetting) and the record files' (appending).
TEST(InterruptedWrite, LeavesTheOldFileAndNoTemporaryFile) {
    struct Case {
        const char* name;
        std::string path;
        std::string old_bytes;
        std::function<void()> write;
    };
    const Case cases[] = {
        {"extension (WriteSetting)", SettingFilePath(),
         Utf8ToCp949("[DATA확장자]\r\nTYPE=nc\r\n; 손으로 고친 줄\r\n"),
         [] { SaveNcExtension("tap"); }},
        {"tool assembly", ToolAssemblyFilePath(),
         "\"10\",\"75\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n",
         [] {
             AppendToolAssembly({"6", "50"});
         }},
    };
    for (const auto& c : cases) {
        testing::TempDrives drives;
        drives.Write(c.path, c.old_bytes);
        fs::path folder = drives.File(c.path).parent_path();
        std::set<std::string> names_before = FileNames(folder);

        FailNextReplaceBeforeRename();
        EXPECT_THROW(c.write(), FileError) << c.name;
        EXPECT_EQ(drives.Read(c.path), c.old_bytes) << c.name;
        EXPECT_EQ(FileNames(folder), names_before) << c.name;

        c.write();  // the failure was for one write only
        EXPECT_NE(drives.Read(c.path), c.old_bytes) << c.name;
        EXPECT_EQ(FileNames(folder), names_before) << c.name;
    }
}

}  // namespace
}  // namespace orvalis::settings
