#include "data_files/settings_files.h"

#include <algorithm>

#include "data_files/data_folder.h"
#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "platform/profile_file.h"

namespace orvalis::settings {

namespace {

const std::string kCompanySection = "그룸";
const std::string kExtensionSection = "DATA확장자";
const std::string kExtensionKey = "TYPE";
const std::string kListIndexSection = "콤보박스";
const std::string kListIndexKey = "ListIndex";

}  // namespace

std::string SettingFilePath() {
    return DataPath("DAT FILE\\SETTING.dat");
}
std::string CompanyFilePath() {
    return DataPath("DAT FILE\\Sample.Ini");
}
std::string ListIndexFilePath() {
    return DataPath("DAT FILE\\ListIndex.dat");
}

std::optional<std::string> UnreadableFile(const std::string& path) {
    try {
        ReadFileChecked(ResolvePath(path));
        return std::nullopt;
    } catch (const FileError& error) {
        return error.path() + ": " + error.what();
    }
}

std::string CompanyKey(int slot) {
    return "업체명" + std::to_string(slot);
}

std::vector<std::string> LoadCompanyList() {
    std::vector<std::string> keys;
    for (int slot = 1; slot <= kCompanySlots; ++slot) keys.push_back(CompanyKey(slot));
    // One read for all twenty slots: a slow or shared drive is asked once.
    std::vector<std::string> companies = ReadDatasEach(kCompanySection, keys, CompanyFilePath());
    auto first_empty = std::find(companies.begin(), companies.end(), std::string());
    companies.erase(first_empty, companies.end());
    return companies;
}

void SaveCompany(int slot, const std::string& name) {
    WriteSetting(kCompanySection, CompanyKey(slot), name, CompanyFilePath());
}

std::string LoadNcExtension() {
    return ReadSetting(kExtensionSection, kExtensionKey, SettingFilePath());
}

void SaveNcExtension(const std::string& extension) {
    WriteSetting(kExtensionSection, kExtensionKey, extension, SettingFilePath());
}

std::string LoadListIndex() {
    return ReadDatas(kListIndexSection, kListIndexKey, ListIndexFilePath());
}

void SaveListIndex(int position) {
    WriteSetting(kListIndexSection, kListIndexKey, std::to_string(position), ListIndexFilePath());
}

}  // namespace orvalis::settings
