#include "platform/shipped_folder.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"

namespace orvalis {

namespace fs = std::filesystem;

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

namespace {

// A copy that a killed start or a full disk left behind: shorter than the
// shipped file and either unreadable or the shipped file's beginning (empty
// included). A link, a folder or a file at least as long as the shipped one
// is somebody's choice and is kept.
bool IsCutShort(const fs::path& file, const std::string& shipped) {
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(file, error))) return false;
    std::uintmax_t size = fs::file_size(file, error);
    if (error || size >= shipped.size()) return false;
    try {
        std::optional<std::string> bytes = ReadFileChecked(file);
        return bytes && shipped.compare(0, bytes->size(), *bytes) == 0;
    } catch (const FileError&) {
        return true;  // there but unreadable: it cannot serve anyway
    }
}

// Whether `destination` may take the shipped file, judged without reading
// either: it is missing, or it may be mended and is a file shorter than the
// shipped one. Most starts find every file in place and read nothing.
bool MayTakeShipped(const fs::path& destination, std::uintmax_t shipped_size, bool may_heal) {
    std::error_code error;
    fs::file_status status = fs::symlink_status(destination, error);
    if (!fs::exists(status)) return true;
    if (!may_heal || !fs::is_regular_file(status)) return false;
    std::uintmax_t size = fs::file_size(destination, error);
    return !error && size < shipped_size;
}

// Puts the shipped bytes at `destination`: where no file is, or over a
// cut-short copy that the rule allows to be mended. True when it mended one.
bool CopyShipped(const std::string& shipped, const fs::path& destination, bool may_heal) {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(destination, error))) {
        try {
            CreateFileAtomically(destination, shipped);
        } catch (const FileExistsError&) {
            // another start put it there meanwhile
        }
        return false;
    }
    if (!may_heal || !IsCutShort(destination, shipped)) return false;
    // The replacement keeps the old file's mode: one that was unreadable must not stay so.
    fs::permissions(destination, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, error);
    ReplaceFileAtomically(destination, shipped);
    return true;
}

}  // namespace

FillOutcome FillFromShipped(const fs::path& from, std::string_view to_drive_path,
                            const HealRule& heals) {
    std::error_code error;
    if (!fs::is_directory(from, error)) {
        throw FileError(Utf8(from), "설치된 데이터 폴더가 없습니다");
    }
    FillOutcome outcome;
    std::string target(to_drive_path);
    if (!target.empty() && target.back() != '\\') target += '\\';
    for (fs::recursive_directory_iterator it(from, error), end; !error && it != end;
         it.increment(error)) {
        std::string relative = Utf8(it->path().lexically_relative(from));
        fs::path destination = ResolvePath(target + relative);
        std::error_code step;
        if (it->is_directory()) {
            fs::create_directories(destination, step);
            if (step) outcome.unfilled.emplace_back(Utf8(destination), "폴더를 만들 수 없습니다");
            continue;
        }
        if (it->path().filename() == ".gitkeep") continue;  // keeps empty folders in git
        bool may_heal = heals && heals(relative);
        std::uintmax_t shipped_size = it->file_size(step);
        if (!step && !MayTakeShipped(destination, shipped_size, may_heal)) continue;
        try {
            std::optional<std::string> shipped = ReadFileChecked(it->path());
            if (!shipped) continue;  // gone since the folder was listed
            fs::create_directories(destination.parent_path(), step);
            if (CopyShipped(*shipped, destination, may_heal)) {
                outcome.healed.push_back(Utf8(destination));
            }
        } catch (const FileError& copy_error) {
            outcome.unfilled.emplace_back(
                Utf8(destination), "설치된 파일을 복사할 수 없습니다: " + Utf8(it->path()) + " (" +
                                       copy_error.what() + ")");
        }
    }
    if (error) {
        throw FileError(Utf8(from), "설치된 파일 목록을 읽을 수 없습니다: " + error.message());
    }
    return outcome;
}

void FillMissingFiles(const fs::path& from, std::string_view to_drive_path) {
    FillOutcome outcome = FillFromShipped(from, to_drive_path);
    if (!outcome.unfilled.empty()) throw outcome.unfilled.front();
}

}  // namespace orvalis
