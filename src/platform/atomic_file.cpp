#include "platform/atomic_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/atomic_file_seam.h"
#include "platform/file_error.h"
#include "platform/native_path.h"

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

#ifdef _WIN32

// The system's own description of a Windows error, in UTF-8.
std::string WindowsErrorText(DWORD code) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : std::wstring();
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    std::string result = message.empty() ? std::string() : Utf8(fs::path(message));
    return result.empty() ? "Windows error " + std::to_string(code) : result;
}

// Owns the temporary file until it has been moved into place: written
// through CreateFileW, flushed with FlushFileBuffers, then moved over the
// old file with MoveFileExW (replace, write through).
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target) {
        for (unsigned attempt = 0; attempt < 100; ++attempt) {
            name_ = target.parent_path() / (L"." + target.filename().wstring() + L"." +
                                            std::to_wstring(GetCurrentProcessId()) + L"-" +
                                            std::to_wstring(GetTickCount64() + attempt) + L".tmp");
            handle_ = CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) break;
        }
        if (handle_ == INVALID_HANDLE_VALUE) Fail(target, "cannot create a temporary file");
    }
    ~TemporaryFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        if (!renamed_) DeleteFileW(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(const fs::path& target, std::string_view bytes) {
        const char* data = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(handle_, data, chunk, &written, nullptr) || written == 0) {
                Fail(target, "cannot write");
            }
            data += written;
            left -= written;
        }
        if (!FlushFileBuffers(handle_)) Fail(target, "cannot flush to disk");
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle)) Fail(target, "cannot close");
    }

    void RenameTo(const fs::path& target) {
        if (!MoveFileExW(name_.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            Fail(target, "cannot replace the file");
        }
        renamed_ = true;
    }

  private:
    [[noreturn]] static void Fail(const fs::path& target, const std::string& what) {
        DWORD code = GetLastError();
        throw FileError(Utf8(target), what + ": " + WindowsErrorText(code));
    }

    fs::path name_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool renamed_ = false;
};

#else

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

#endif

}  // namespace

void FailNextReplaceBeforeRename() {
    fail_next_before_rename = true;
}

void ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
    TemporaryFile temporary(path);
    temporary.Write(path, bytes);
    if (fail_next_before_rename.exchange(false)) {
        throw FileError(Utf8(path), "interrupted before the file was replaced");
    }
    temporary.RenameTo(path);
}

}  // namespace orvalis
