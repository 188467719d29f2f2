#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>  // mkfifo
#endif

#include <atomic>
#include <fstream>
#include <thread>
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

// Without consent a file is only created: of two writers racing for one
// name, exactly one wins and the other's bytes never replace the winner's.
TEST(AtomicFile, CreatingNeverReplacesEvenUnderARace) {
    testing::TempFolder folder;
    fs::path file = folder.path() / "T.xlsx";
    CreateFileAtomically(file, "first");
    EXPECT_THROW(CreateFileAtomically(file, "second"), FileExistsError);
    EXPECT_EQ(ReadFileBytes(file), "first");

    for (int round = 0; round < 20; ++round) {
        fs::path raced = folder.path() / ("raced" + std::to_string(round));
        std::atomic<int> won{0}, refused{0};
        auto writer = [&](const char* bytes) {
            try {
                CreateFileAtomically(raced, bytes);
                ++won;
            } catch (const FileExistsError&) {
                ++refused;
            }
        };
        std::thread a(writer, "from a"), b(writer, "from b");
        a.join();
        b.join();
        EXPECT_EQ(won, 1);
        EXPECT_EQ(refused, 1);
    }
    // Only the files themselves are left, no temporary ones.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 21);
}

// The temporary file beside a target must not need a longer name than the
// target's own, which may be as long as a name can be.
TEST(AtomicFile, TheLongestLegalNamesCanBeWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows limits the whole path (260 characters) before the name";
#endif
    testing::TempFolder folder;
    std::string korean;
    for (int i = 0; i < 83; ++i) korean += "가";  // 249 bytes
    for (const std::string& name :
         {std::string(250, 'a') + ".xlsx", std::string(255, 'b'), korean + ".xlsx"}) {
        SCOPED_TRACE(name.size());
        fs::path file = folder.path() / name;
        ReplaceFileAtomically(file, "replaced");
        EXPECT_EQ(ReadFileBytes(file), "replaced");
        fs::remove(file);
        CreateFileAtomically(file, "created");
        EXPECT_EQ(ReadFileBytes(file), "created");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);
}

#ifndef _WIN32  // FIFOs and /dev/zero are POSIX
// Something other than a file where a file should be is refused at once.
TEST(AtomicFile, ReadsRefuseWhatIsNoFileAndWhatIsTooLarge) {
    testing::TempFolder folder;
    fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::path big = folder.path() / "big";
    std::ofstream(big) << "0123456789";
    for (const fs::path& path : {fifo, fs::path("/dev/zero"), folder.path()}) {
        EXPECT_THROW(ReadFileChecked(path), FileError) << path;
        EXPECT_EQ(ReadFileBytes(path), std::nullopt) << path;
    }
    EXPECT_THROW(ReadFileChecked(big, 9), FileError);
    EXPECT_EQ(ReadFileBytes(big, 9), std::nullopt);
    EXPECT_EQ(ReadFileChecked(big, 10), "0123456789");
    EXPECT_EQ(ReadFileChecked(folder.path() / "missing"), std::nullopt);
}
#endif

}  // namespace
}  // namespace orvalis
