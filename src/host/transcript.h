#pragma once

#include <fstream>
#include <string>

namespace orvalis::host {

// Appends every host call, one UTF-8 line each, to a file, so a run can be
// read next to the command lines it was meant to send. Each line is flushed at
// once: a transcript of a run that crashed still holds every call made.
class Transcript {
  public:
    // Throws FileError when the file cannot be opened for appending, or when
    // something other than a file (a FIFO, a device, a folder) has its name.
    explicit Transcript(const std::string& path);

    void Write(const std::string& line);
    // "# load", "# survey" ...: written by a front end before each action.
    void Mark(const std::string& action);

  private:
    std::string path_;
    std::ofstream out_;
};

}  // namespace orvalis::host
