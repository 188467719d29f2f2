#include "platform/data_folder.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "platform/native_path.h"

#ifndef ORVALIS_SOURCE_DATA_DIR
#define ORVALIS_SOURCE_DATA_DIR "data"
#endif
#ifndef ORVALIS_INSTALLED_DATA_DIR
#define ORVALIS_INSTALLED_DATA_DIR "../share/orvalis/data"
#endif

namespace orvalis {

namespace fs = std::filesystem;

std::string DataPath(std::string_view relative) {
    return std::string(kDataFolder) + std::string(relative);
}

namespace {

// The running program's own file.
fs::path ProgramFile(std::error_code& error) {
#ifdef _WIN32
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            error = std::error_code(static_cast<int>(GetLastError()), std::system_category());
            return {};
        }
        if (length < name.size()) {
            name.resize(length);
            return fs::path(name);
        }
        name.resize(name.size() * 2);
    }
#else
    return fs::read_symlink("/proc/self/exe", error);
#endif
}

}  // namespace

fs::path ShippedFolder(const char* variable, const fs::path& installed, const fs::path& source) {
    if (auto dir = EnvironmentText(variable)) return NativePath(*dir);
    std::error_code error;
    fs::path exe = ProgramFile(error);
    if (!error) {
        fs::path beside = exe.parent_path() / installed;
        if (fs::is_directory(beside, error)) return beside.lexically_normal();
    }
    return source;
}

fs::path ShippedDataDir() {
    return ShippedFolder("ORVALIS_DATA_DIR", ORVALIS_INSTALLED_DATA_DIR, ORVALIS_SOURCE_DATA_DIR);
}

void FillMissingFiles(const fs::path& from, std::string_view to_drive_path,
                      std::vector<std::string>* unfilled) {
    std::error_code error;
    if (!fs::is_directory(from, error)) {
        throw FileError(Utf8(from), "설치된 데이터 폴더가 없습니다");
    }
    auto cannot = [unfilled](const fs::path& destination, const std::string& why) {
        if (!unfilled) throw FileError(Utf8(destination), why);
        unfilled->push_back(Utf8(destination));
    };
    std::string target(to_drive_path);
    if (!target.empty() && target.back() != '\\') target += '\\';
    for (fs::recursive_directory_iterator it(from, error), end; !error && it != end;
         it.increment(error)) {
        std::string relative = Utf8(it->path().lexically_relative(from));
        fs::path destination = ResolvePath(target + relative);
        std::error_code step;
        if (it->is_directory()) {
            fs::create_directories(destination, step);
            if (step) cannot(destination, "폴더를 만들 수 없습니다");
            continue;
        }
        if (it->path().filename() == ".gitkeep") continue;  // keeps empty folders in git
        if (fs::exists(destination, step)) continue;
        fs::create_directories(destination.parent_path(), step);
        if (!fs::copy_file(it->path(), destination, fs::copy_options::skip_existing, step) &&
            step) {
            cannot(destination, "설치된 파일을 복사할 수 없습니다: " + Utf8(it->path()));
        }
    }
    if (error) {
        throw FileError(Utf8(from), "설치된 파일 목록을 읽을 수 없습니다: " + error.message());
    }
}

std::string EnsureDataFolder() {
    std::vector<std::string> unfilled;
    FillMissingFiles(ShippedDataDir(), kDataFolder, &unfilled);
    if (unfilled.empty()) return "";
    std::string warning =
        "데이터 폴더에 파일을 만들 수 없어 없는 설정은 빈 것으로 읽습니다: " + unfilled.front();
    if (unfilled.size() > 1) warning += " 외 " + std::to_string(unfilled.size() - 1) + "개";
    return warning;
}

}  // namespace orvalis
