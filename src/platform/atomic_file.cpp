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

namespace {

std::atomic<unsigned long> file_reads{0};

#ifndef _WIN32
// Closes the descriptor however the read ends.
struct Descriptor {
    int value;
    ~Descriptor() {
        if (value >= 0) close(value);
    }
};
#endif

}  // namespace

unsigned long FileReadCount() {
    return file_reads;
}

std::optional<std::string> ReadFileBytes(const fs::path& path, std::uintmax_t limit) {
    try {
        return ReadFileChecked(path, limit);
    } catch (const FileError&) {
        return std::nullopt;  // the callers read such a file as a missing one
    }
}

#ifdef _WIN32

std::optional<std::string> ReadFileChecked(const fs::path& path, std::uintmax_t limit) {
    ++file_reads;
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    if (error) throw FileError(Utf8(path), "읽을 수 없습니다: " + error.message());
    if (status.type() != fs::file_type::regular) {
        throw FileError(Utf8(path), "일반 파일이 아니어서 읽지 않았습니다");
    }
    std::uintmax_t size = fs::file_size(path, error);
    if (error) throw FileError(Utf8(path), "읽을 수 없습니다: " + error.message());
    if (size > limit) {
        throw FileError(Utf8(path), "파일이 너무 커서 읽지 않았습니다 (" +
                                        std::to_string(limit / (1024 * 1024)) + " MB까지)");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError(Utf8(path), "읽을 수 없습니다");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) throw FileError(Utf8(path), "읽을 수 없습니다");
    return bytes;
}

#else

std::optional<std::string> ReadFileChecked(const fs::path& path, std::uintmax_t limit) {
    ++file_reads;
    // Opened without blocking, so a FIFO with no writer cannot hold the
    // program; it is refused below like any other non-file.
    Descriptor file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.value < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throw FileError(path.string(), std::string("읽을 수 없습니다: ") + std::strerror(errno));
    }
    struct stat status {};
    if (fstat(file.value, &status) != 0) {
        throw FileError(path.string(), std::string("읽을 수 없습니다: ") + std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        throw FileError(path.string(), "일반 파일이 아니어서 읽지 않았습니다");
    }
    if (static_cast<std::uintmax_t>(status.st_size) > limit) {
        throw FileError(path.string(), "파일이 너무 커서 읽지 않았습니다 (" +
                                           std::to_string(limit / (1024 * 1024)) + " MB까지)");
    }
    // Read to the size fstat gave, plus whatever was appended meanwhile up
    // to the limit; a file that grows past it is refused as well. One byte
    // more than the size lets the read that finds the end do so without
    // growing the buffer (and copying a view bitmap's megabytes).
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(
                          static_cast<std::uintmax_t>(status.st_size) + 1, limit + 1)),
                      '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() >= limit + 1) {
                throw FileError(path.string(), "파일이 읽는 동안 너무 커졌습니다");
            }
            bytes.resize(std::min<std::uintmax_t>(bytes.size() + (1 << 16), limit + 1));
        }
        ssize_t got = read(file.value, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            throw FileError(path.string(),
                            std::string("읽을 수 없습니다: ") + std::strerror(errno));
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

#endif

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
            // A short name of its own, so a target whose name is as long as
            // Windows allows still gets its temporary file beside it.
            name_ = target.parent_path() /
                    (L".orvalis-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(GetTickCount64() + attempt) + L".tmp");
            handle_ = CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) break;
        }
        if (handle_ == INVALID_HANDLE_VALUE) Fail(target, "임시 파일을 만들 수 없습니다");
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
                Fail(target, "쓸 수 없습니다");
            }
            data += written;
            left -= written;
        }
        if (!FlushFileBuffers(handle_)) Fail(target, "디스크에 기록할 수 없습니다");
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle)) Fail(target, "파일을 닫을 수 없습니다");
    }

    // Puts the file into place only where no file of that name is: without
    // MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
    void LinkTo(const fs::path& target) {
        if (!MoveFileExW(name_.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            DWORD code = GetLastError();
            if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) {
                throw FileExistsError(Utf8(target), "같은 이름의 파일이 이미 있습니다");
            }
            Fail(target, "파일을 만들 수 없습니다");
        }
        renamed_ = true;
    }

    void RenameTo(const fs::path& target) {
        if (!MoveFileExW(name_.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            Fail(target, "파일을 바꿀 수 없습니다");
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

// The longest name a folder entry may have on the file systems the shop's
// files live on.
constexpr std::size_t kMaxNameBytes = 255;

// ".NAME.XXXXXX" beside the target, with NAME cut short (never inside a
// character) where the whole would be longer than a name may be, so a target
// whose own name is legal always gets its temporary file.
std::string TemporaryName(const std::string& target_name) {
    constexpr std::string_view kSuffix = ".XXXXXX";
    std::size_t room = kMaxNameBytes - 1 - kSuffix.size();
    std::size_t keep = std::min(target_name.size(), room);
    while (keep > 0 && keep < target_name.size() &&
           (static_cast<unsigned char>(target_name[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    return "." + target_name.substr(0, keep) + std::string(kSuffix);
}

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target)
        : name_((target.parent_path() / TemporaryName(target.filename().string())).string()) {
        descriptor_ = mkstemp(name_.data());
        if (descriptor_ < 0) Fail(target, "임시 파일을 만들 수 없습니다");
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
            if (written <= 0) Fail(target, "쓸 수 없습니다");
            data += written;
            left -= static_cast<std::size_t>(written);
        }
        if (fsync(descriptor_) != 0) Fail(target, "디스크에 기록할 수 없습니다");
        if (close(descriptor_) != 0) {
            descriptor_ = -1;
            Fail(target, "파일을 닫을 수 없습니다");
        }
        descriptor_ = -1;
    }

    // Puts the file into place only where no file of that name is: a link
    // fails when the name is taken, so no check-then-write gap is left.
    void LinkTo(const fs::path& target) {
        if (link(name_.c_str(), target.c_str()) == 0)
            return;  // the destructor drops the temporary name
        int link_error = errno;
        if (link_error == EEXIST) {
            throw FileExistsError(target.string(), "같은 이름의 파일이 이미 있습니다");
        }
        // File systems without hard links (FAT drives, some network shares)
        // can still rename without replacing.
        if (renameat2(AT_FDCWD, name_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            renamed_ = true;
            return;
        }
        if (errno == EEXIST) {
            throw FileExistsError(target.string(), "같은 이름의 파일이 이미 있습니다");
        }
        errno = link_error;
        Fail(target, "파일을 만들 수 없습니다");
    }

    void RenameTo(const fs::path& target) {
        if (rename(name_.c_str(), target.c_str()) != 0) Fail(target, "파일을 바꿀 수 없습니다");
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

void CreateFileAtomically(const fs::path& path, std::string_view bytes) {
    TemporaryFile temporary(path);
    temporary.Write(path, bytes);
    if (fail_next_before_rename.exchange(false)) {
        throw FileError(Utf8(path), "interrupted before the file was replaced");
    }
    temporary.LinkTo(path);
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
