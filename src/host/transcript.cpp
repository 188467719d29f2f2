#include "host/transcript.h"

#include "platform/file_error.h"
#include "platform/native_path.h"

namespace orvalis::host {

Transcript::Transcript(const std::string& path)
    : path_(path), out_(NativePath(path), std::ios::binary | std::ios::app) {
    if (!out_) throw FileError(path, "cannot open the transcript for appending");
}

void Transcript::Write(const std::string& line) {
    out_ << line << '\n';
    out_.flush();
    if (!out_) throw FileError(path_, "cannot write to the transcript");
}

void Transcript::Mark(const std::string& action) {
    Write("# " + action);
}

}  // namespace orvalis::host
