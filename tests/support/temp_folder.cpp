#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/drive_paths_seam.h"
#include "platform/native_path.h"

namespace orvalis::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::mt19937_64 random{std::random_device{}()};
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "orvalis-test-";
        for (int i = 0; i < 8; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        fs::path candidate = fs::temp_directory_path() / name;
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

namespace {

// Sets (or with nothing, removes) an environment variable; UTF-8 values.
void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    std::wstring wide_name = NativePath(name).wstring();
    std::wstring wide_value = value ? NativePath(*value).wstring() : std::wstring();
    _wputenv_s(wide_name.c_str(), wide_value.c_str());  // empty removes it
#else
    if (value) {
        setenv(name.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name.c_str());
    }
#endif
}

}  // namespace

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
    old_ = EnvironmentText(name);
    SetEnvironment(name_, value);
}

ScopedEnv::~ScopedEnv() {
    SetEnvironment(name_, old_);
}

#ifdef _WIN32
namespace {

// The folder the drive paths stand for now; a nested TempDrives gives the
// outer one its mapping back, as ScopedEnv gives ORVALIS_DRIVES back.
std::optional<fs::path>& MappedRoot() {
    static std::optional<fs::path> root;
    return root;
}

}  // namespace
#endif

// On Windows drive paths are real; the test seam maps them into the folder.
TempDrives::TempDrives() : env_("ORVALIS_DRIVES", Utf8(folder_.path())) {
#ifdef _WIN32
    previous_root_ = MappedRoot();
    MappedRoot() = folder_.path();
    MapDrivesForTests(folder_.path());
#endif
}

TempDrives::~TempDrives() {
#ifdef _WIN32
    MappedRoot() = previous_root_;
    MapDrivesForTests(previous_root_);
#endif
}

fs::path TempDrives::File(const std::string& drive_path) const {
    return ResolvePath(drive_path);
}

void TempDrives::Write(const std::string& drive_path, const std::string& bytes) const {
    fs::path file = File(drive_path);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::optional<std::string> TempDrives::Read(const std::string& drive_path) const {
    return ReadFileBytes(File(drive_path));
}

}  // namespace orvalis::testing
