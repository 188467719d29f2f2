#include "host/transcript.h"

#include "platform/file_error.h"
#include "platform/native_path.h"

namespace orvalis::host {

Transcript::Transcript(const std::string& path)
    : path_(path), out_(NativePath(path), std::ios::binary | std::ios::app) {
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
