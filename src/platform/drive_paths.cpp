#include "platform/drive_paths.h"

#include <cstdlib>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/drive_paths_seam.h"
#include "platform/native_path.h"

namespace orvalis {

namespace fs = std::filesystem;

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// The entry of `folder` named `name`, or one that differs only in letter case.
fs::path FindEntry(const fs::path& folder, const std::string& name) {
    std::error_code error;
    fs::path exact = folder / NativePath(name);
    if (fs::exists(fs::symlink_status(exact, error))) return exact;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string candidate = Utf8(it->path().filename());
        if (EqualsIgnoringAsciiCase(candidate, name)) return it->path();
    }
    return exact;
}

// Appends the components of `relative` (separated by "\\" or "/") to the
// drive's folder, matching each without regard to letter case where it
// exists. ".." goes up one folder but never above the drive, as on Windows,
// so no drive path reaches a file outside DrivesRoot().
fs::path AppendMatching(const fs::path& drive, std::string_view relative) {
    std::vector<fs::path> trail{drive};
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = relative.size();
        std::string part(relative.substr(start, end - start));
        if (part == "..") {
            if (trail.size() > 1) trail.pop_back();
        } else if (!part.empty() && part != ".") {
            trail.push_back(FindEntry(trail.back(), part));
        }
        start = end + 1;
    }
    return trail.back();
}

// A drive path mapped into DrivesRoot(): "X:\a\b" is DrivesRoot()/x/a/b.
fs::path MapDrivePath(const fs::path& root, std::string_view path) {
    return AppendMatching(root / std::string(1, LowerAscii(path[0])), path.substr(2));
}

std::optional<fs::path>& DrivesForTests() {
    static std::optional<fs::path> root;
    return root;
}

#ifdef _WIN32
// Under the test seam, a drive path inside the system's temporary folder is
// a test's own native folder (temporary folders are drive paths on Windows)
// and is used as it is.
bool IsInTemporaryFolder(std::string_view path) {
    static const std::string temporary = [] {
        std::error_code error;
        std::string folder = Utf8(fs::temp_directory_path(error));
        while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
            folder.pop_back();
        return folder + "\\";
    }();
    if (path.size() < temporary.size()) return false;
    for (std::size_t i = 0; i < temporary.size(); ++i) {
        char a = path[i] == '/' ? '\\' : LowerAscii(path[i]);
        if (a != LowerAscii(temporary[i])) return false;
    }
    return true;
}
#endif

}  // namespace

void MapDrivesForTests(std::optional<fs::path> root) {
    DrivesForTests() = std::move(root);
}

fs::path DrivesRoot() {
    if (DrivesForTests()) return *DrivesForTests();
    if (auto drives = EnvironmentText("ORVALIS_DRIVES")) return NativePath(*drives);
    auto home = EnvironmentText("HOME");
    return NativePath(home ? *home : "/tmp") / ".local/share/orvalis/drives";
}

bool IsDrivePath(std::string_view path) {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':' &&
           (path.size() == 2 || path[2] == '\\' || path[2] == '/');
}

fs::path ResolvePath(std::string_view path) {
#ifdef _WIN32
    // Drive paths are real here; only the tests map them into a folder.
    if (IsDrivePath(path) && DrivesForTests() && !IsInTemporaryFolder(path)) {
        return MapDrivePath(*DrivesForTests(), path);
    }
    return NativePath(path);
#else
    // Other paths are the user's own and mean what they mean in the shell:
    // "../out" is the folder beside the working folder, and "OUT" is not "out".
    if (IsDrivePath(path)) return MapDrivePath(DrivesRoot(), path);
    return NativePath(path);
#endif
}

}  // namespace orvalis
