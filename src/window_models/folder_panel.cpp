#include "window_models/folder_panel.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/drive_paths.h"
#include "platform/native_path.h"

namespace orvalis {

namespace fs = std::filesystem;

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

// The entries of a folder that pass `keep`, sorted as the folder lists show them.
template <typename Keep>
std::vector<std::string> ListFolder(std::string_view path, Keep keep) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(ResolvePath(path), error), end; !error && it != end;
         it.increment(error)) {
        std::string name = Utf8(it->path().filename());
        if (keep(*it, name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    return names;
}

// "*.nc" matches by extension, "*" everything, any other text the whole name.
bool MatchesOne(std::string_view name, std::string_view pattern) {
    if (pattern == "*" || pattern == "*.*") return true;
    if (pattern.size() >= 2 && pattern[0] == '*' && pattern[1] == '.') {
        std::string suffix = Lower(pattern.substr(1));
        std::string lower = Lower(name);
        return lower.size() > suffix.size() &&
               lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0;
    }
    return Lower(name) == Lower(pattern);
}

std::string_view Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> DirListBox::Subfolders() const {
    return ListFolder(Path, [](const fs::directory_entry& entry, const std::string& name) {
        std::error_code error;
        return entry.is_directory(error) && !name.empty() && name[0] != '.';
    });
}

void FileListBox::Refresh() {
    Items = ListFolder(Path, [this](const fs::directory_entry& entry, const std::string& name) {
        std::error_code error;
        return entry.is_regular_file(error) && MatchesPattern(name, Pattern);
    });
}

std::vector<std::string> AvailableDrives() {
    std::vector<std::string> drives = {"c:"};
    std::error_code error;
    for (fs::directory_iterator it(DrivesRoot(), error), end; !error && it != end;
         it.increment(error)) {
        std::string name = Lower(Utf8(it->path().filename()));
        if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z' && name != "c" &&
            it->is_directory(error)) {
            drives.push_back(name + ":");
        }
    }
    std::sort(drives.begin(), drives.end());
    return drives;
}

std::string DriveOf(std::string_view path) {
    return IsDrivePath(path) ? std::string{LowerAscii(path[0]), ':'} : std::string();
}

std::string DriveRoot(std::string_view drive) {
    if (drive.empty()) return "/";
    char letter = drive[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    return std::string{letter, ':', '\\'};
}

std::string JoinFolder(std::string_view folder, std::string_view name) {
    char separator = IsDrivePath(folder) ? '\\' : '/';
    std::string joined(folder);
    if (!joined.empty() && joined.back() != separator) joined += separator;
    return joined + std::string(name);
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    std::size_t start = 0;
    while (start <= pattern.size()) {
        std::size_t end = pattern.find(';', start);
        if (end == std::string_view::npos) end = pattern.size();
        std::string_view one = Trim(pattern.substr(start, end - start));
        if (!one.empty() && MatchesOne(name, one)) return true;
        start = end + 1;
    }
    return false;
}

std::string FolderNameProblem(std::string_view name) {
    if (Trim(name).empty()) return "폴더 이름이 비어 있습니다.";
    if (name == "." || name == "..") return "폴더 이름으로 쓸 수 없는 이름입니다.";
    if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos) {
        return "폴더 이름에 \\ / : * ? \" < > | 는 쓸 수 없습니다.";
    }
    if (name.back() == ' ' || name.back() == '.') {
        return "폴더 이름은 공백이나 점으로 끝날 수 없습니다.";
    }
    return "";
}

}  // namespace orvalis
