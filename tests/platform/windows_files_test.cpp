// Windows only: Korean folder and file names through the UTF-16 file
// functions, a replace that another program's open file blocks, drive paths
// used as they are, UTF-8 environment values. The atomic replace itself
// (AtomicFile.*, InterruptedWrite.*), the profile files that go through it
// and the code page 949 table (cp949_test.cpp) run on every system.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "platform/native_path.h"
#include "support/temp_folder.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;
using testing::TempFolder;

// The names in the folder, as Windows lists them (FindFirstFileW).
std::vector<std::wstring> WideNames(const fs::path& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder / L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

TEST(WindowsFiles, KoreanFolderAndFileNamesAreTheRealUtf16Names) {
    TempFolder temp;
    std::string folder = Utf8(temp.path()) + "\\(주)한국정밀 작업";
    std::string file = folder + "\\공구DATA.DAT";
    fs::create_directories(NativePath(folder));
    ReplaceFileAtomically(NativePath(file), "bytes");

    EXPECT_EQ(WideNames(temp.path()), std::vector<std::wstring>{L"(주)한국정밀 작업"});
    EXPECT_EQ(WideNames(NativePath(folder)), std::vector<std::wstring>{L"공구DATA.DAT"});
    EXPECT_EQ(ReadFileBytes(NativePath(file)), "bytes");
    EXPECT_EQ(Utf8(NativePath(file)), file);
    // Streams take the wide path too.
    std::ifstream in(NativePath(file), std::ios::binary);
    std::string read;
    std::getline(in, read);
    EXPECT_EQ(read, "bytes");
}

TEST(WindowsFiles, DrivePathsAreUsedAsTheyAre) {
    EXPECT_EQ(ResolvePath("C:\\TARVEL\\ORVALIS\\DAT FILE\\SETTING.dat").wstring(),
              L"C:\\TARVEL\\ORVALIS\\DAT FILE\\SETTING.dat");
    EXPECT_EQ(ResolvePath("D:\\작업\\금형.nc").wstring(), L"D:\\작업\\금형.nc");
    // ORVALIS_DRIVES maps nothing on Windows.
    TempFolder temp;
    ScopedEnv drives("ORVALIS_DRIVES", Utf8(temp.path()));
    EXPECT_EQ(ResolvePath("C:\\TARVEL\\ORVALIS").wstring(), L"C:\\TARVEL\\ORVALIS");
}

TEST(WindowsFiles, AReplaceThatAFileHeldOpenBlocksKeepsTheOldFile) {
    TempFolder temp;
    fs::path file = NativePath(Utf8(temp.path()) + "\\세팅.dat");
    ReplaceFileAtomically(file, "old");

    // Another program holds the file open without sharing it for deletion
    // (as Excel holds an open workbook): MoveFileExW cannot replace it.
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    try {
        ReplaceFileAtomically(file, "new");
        ADD_FAILURE() << "a file held open was replaced";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), Utf8(file));
        EXPECT_NE(std::string(error.what()).find("파일을 바꿀 수 없습니다"), std::string::npos)
            << error.what();
    }
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_EQ(WideNames(temp.path()), std::vector<std::wstring>{L"세팅.dat"});
}

TEST(WindowsFiles, EnvironmentValuesAreReadAsUtf16) {
    ScopedEnv transcript("ORVALIS_TEST_VALUE", "C:\\작업\\기록.txt");
    EXPECT_EQ(EnvironmentText("ORVALIS_TEST_VALUE"), "C:\\작업\\기록.txt");
}

}  // namespace
}  // namespace orvalis
