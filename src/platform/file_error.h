#pragma once

#include <stdexcept>
#include <string>

namespace orvalis {

// A settings, record or output file that could not be read or written.
// Carries the path so the handler can tell the user which file failed.
class FileError : public std::runtime_error {
  public:
    FileError(std::string path, const std::string& reason)
        : std::runtime_error(reason), path_(std::move(path)) {}

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The file to be created was there already when it was to take its place:
// another program or run wrote it first, and it was left as it is.
class FileExistsError : public FileError {
  public:
    using FileError::FileError;
};

}  // namespace orvalis
