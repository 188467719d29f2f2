#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "platform/file_error.h"
#include "support/temp_folder.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesContentKeepsModeAndLeavesNoTemporaryFile) {
    testing::TempFolder folder;
    fs::path file = folder.path() / "그림DATA.DAT";
    ReplaceFileAtomically(file, "first");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, mode);
    ReplaceFileAtomically(file, "second");
    EXPECT_EQ(ReadFileBytes(file), "second");
#ifndef _WIN32  // Windows files have no mode bits beyond read-only
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, mode);
#endif
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// The temporary file belongs beside the target: a rename cannot cross file
// systems, and the system's temporary folder may be another disk or missing.
TEST(AtomicFile, ReplacesWhereverTheSystemTemporaryFolderIs) {
    testing::TempFolder folder;
    std::vector<fs::path> temporaries = {folder.path() / "no such folder"};
    fs::path tmpfs = fs::path("/dev/shm") / folder.path().filename();  // another file system
    std::error_code error;
    if (fs::create_directory(tmpfs, error)) temporaries.push_back(tmpfs);
    for (const fs::path& temporary : temporaries) {
        SCOPED_TRACE(temporary.string());
        testing::ScopedEnv tmpdir("TMPDIR", temporary.string());
        fs::path file = folder.path() / "SETTING.dat";
        EXPECT_NO_THROW(ReplaceFileAtomically(file, "old"); ReplaceFileAtomically(file, "new"));
        EXPECT_EQ(ReadFileBytes(file), "new");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()),
                  1);
    }
    if (temporaries.size() > 1) {
        EXPECT_TRUE(fs::is_empty(tmpfs)) << "a temporary file was left outside the target's folder";
        fs::remove_all(tmpfs);
    }
}

TEST(AtomicFile, AFailedReplaceLeavesTheOldFile) {
    testing::TempFolder folder;
    fs::path target = folder.path() / "taken";
    fs::create_directory(target);  // a folder cannot be replaced by a file
    std::ofstream(target / "inside") << "kept";
    EXPECT_THROW(ReplaceFileAtomically(target, "new"), FileError);
    EXPECT_EQ(ReadFileBytes(target / "inside"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    EXPECT_FALSE(ReadFileBytes(folder.path() / "missing"));
}

}  // namespace
}  // namespace orvalis
