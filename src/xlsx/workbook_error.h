#pragma once

#include <stdexcept>
#include <string>

namespace orvalis::xlsx {

// A workbook or picture file that could not be read, understood or written.
// Carries the file so the caller can say which one failed.
class WorkbookError : public std::runtime_error {
  public:
    WorkbookError(std::string path, const std::string& reason)
        : std::runtime_error(reason), path_(std::move(path)) {}

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace orvalis::xlsx
