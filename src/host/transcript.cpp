#include "host/transcript.h"

#include <filesystem>
#include <system_error>

#include "platform/file_error.h"
#include "platform/native_path.h"

namespace orvalis::host {

Transcript::Transcript(const std::string& path) : path_(path) {
    // Only a file is a record: a FIFO without a reader would hold the
    // program in the open itself, and a device or folder keeps nothing.
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(NativePath(path), error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw FileError(path, "일반 파일이 아니어서 기록 파일로 쓰지 않습니다");
    }
    out_.open(NativePath(path), std::ios::binary | std::ios::app);
    if (!out_) throw FileError(path, "기록 파일을 열 수 없습니다");
}

void Transcript::Write(const std::string& line) {
    out_ << line << '\n';
    out_.flush();
    if (!out_) throw FileError(path_, "기록 파일에 쓸 수 없습니다");
}

void Transcript::Mark(const std::string& action) {
    Write("# " + action);
}

}  // namespace orvalis::host
