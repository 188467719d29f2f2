#include "data_files/data_folder.h"

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

fs::path ShippedDataDir() {
    return ShippedFolder("ORVALIS_DATA_DIR", ORVALIS_INSTALLED_DATA_DIR, ORVALIS_SOURCE_DATA_DIR);
}

namespace {

// The shipped folder whose files are the shop's own once copied: settings and
// records that the shop edits, never replaced.
constexpr std::string_view kShopsFolder = "DAT FILE";

// "PATH" or "PATH 외 N개".
std::string FirstAndCount(const std::string& first, std::size_t count) {
    return count > 1 ? first + " 외 " + std::to_string(count - 1) + "개" : first;
}

}  // namespace

std::vector<std::string> EnsureDataFolder() {
    FillOutcome outcome =
        FillFromShipped(ShippedDataDir(), kDataFolder, [](const std::string& relative) {
            return relative.compare(0, kShopsFolder.size(), kShopsFolder) != 0;
        });
    std::vector<std::string> warnings;
    if (!outcome.unfilled.empty()) {
        warnings.push_back("데이터 폴더에 파일을 만들 수 없어 없는 설정은 빈 것으로 읽습니다: " +
                           FirstAndCount(outcome.unfilled.front().path(), outcome.unfilled.size()));
    }
    if (!outcome.healed.empty()) {
        warnings.push_back("비어 있거나 잘린 설치 파일을 설치본으로 다시 채웠습니다: " +
                           FirstAndCount(outcome.healed.front(), outcome.healed.size()));
    }
    return warnings;
}

}  // namespace orvalis
