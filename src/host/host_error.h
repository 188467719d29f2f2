#pragma once

#include <stdexcept>
#include <string>

namespace orvalis::host {

// A host call that failed. `command` is the call as the transcript writes it
// ("RunCommand EDIT COLLISION APPLY", "Connect"), so a message can name it.
class HostError : public std::runtime_error {
  public:
    HostError(std::string command, const std::string& reason)
        : std::runtime_error(reason), command_(std::move(command)) {}

    const std::string& command() const { return command_; }

  private:
    std::string command_;
};

}  // namespace orvalis::host
