#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "platform/atomic_file.h"
#include "platform/drive_paths.h"

namespace orvalis::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "orvalis-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (old_) {
        setenv(name_.c_str(), old_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

TempDrives::TempDrives() : env_("ORVALIS_DRIVES", folder_.path().string()) {}

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
