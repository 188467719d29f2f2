#include "platform/data_folder.h"

#include <cstdlib>
#include <system_error>

#include "platform/drive_paths.h"
#include "platform/file_error.h"

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

fs::path ShippedFolder(const char* variable, const fs::path& installed, const fs::path& source) {
    if (const char* dir = std::getenv(variable); dir && *dir) return dir;
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
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
        throw FileError(from.string(), "설치된 데이터 폴더가 없습니다");
    }
    auto cannot = [unfilled](const fs::path& destination, const std::string& why) {
        if (!unfilled) throw FileError(destination.string(), why);
        unfilled->push_back(destination.string());
    };
    std::string target(to_drive_path);
    if (!target.empty() && target.back() != '\\') target += '\\';
    for (fs::recursive_directory_iterator it(from, error), end; !error && it != end;
         it.increment(error)) {
        std::string relative = it->path().lexically_relative(from).generic_string();
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
            cannot(destination, "설치된 파일을 복사할 수 없습니다: " + it->path().string());
        }
    }
    if (error) {
        throw FileError(from.string(), "설치된 파일 목록을 읽을 수 없습니다: " + error.message());
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
