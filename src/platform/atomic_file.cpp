#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/atomic_file_seam.h"
#include "platform/file_error.h"

namespace orvalis {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // Reserving the size first keeps a view bitmap of a few megabytes from
    // being copied over and over as the text grows.
    std::string bytes;
    std::error_code error;
    if (auto size = fs::file_size(path, error); !error) bytes.reserve(size);
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

std::atomic<bool> fail_next_before_rename{false};

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target)
        : name_((target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string()) {
        descriptor_ = mkstemp(name_.data());
        if (descriptor_ < 0) Fail(target, "cannot create a temporary file");
        // mkstemp makes the file private; the replacement keeps the old file's mode.
        struct stat old {};
        mode_t mode = stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
        fchmod(descriptor_, mode);
    }
    ~TemporaryFile() {
        if (descriptor_ >= 0) close(descriptor_);
        if (!renamed_) unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(const fs::path& target, std::string_view bytes) {
        const char* data = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            ssize_t written = write(descriptor_, data, left);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) Fail(target, "cannot write");
            data += written;
            left -= static_cast<std::size_t>(written);
        }
        if (fsync(descriptor_) != 0) Fail(target, "cannot flush to disk");
        if (close(descriptor_) != 0) {
            descriptor_ = -1;
            Fail(target, "cannot close");
        }
        descriptor_ = -1;
    }

    void RenameTo(const fs::path& target) {
        if (rename(name_.c_str(), target.c_str()) != 0) Fail(target, "cannot replace the file");
        renamed_ = true;
    }

  private:
    [[noreturn]] static void Fail(const fs::path& target, const std::string& what) {
        throw FileError(target.string(), what + ": " + std::strerror(errno));
    }

    std::string name_;
    int descriptor_ = -1;
    bool renamed_ = false;
};

}  // namespace

void FailNextReplaceBeforeRename() {
    fail_next_before_rename = true;
}

void ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
    TemporaryFile temporary(path);
    temporary.Write(path, bytes);
    if (fail_next_before_rename.exchange(false)) {
        throw FileError(path.string(), "interrupted before the file was replaced");
    }
    temporary.RenameTo(path);
}

}  // namespace orvalis
