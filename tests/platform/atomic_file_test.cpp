#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>

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
