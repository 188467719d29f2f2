#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvalis::host {

// What answers on the automation channel: the simulated host, a replay script,
// or (on Windows) the real host. One backend serves every window of a process.
// Every operation may throw HostError.
class HostBackend {
  public:
    virtual ~HostBackend() = default;

    // `argument` is empty for Connect() and 0 for Connect(0).
    virtual void Connect(std::optional<int> argument) = 0;
    virtual void RunCommand(const std::string& line) = 0;
    virtual std::string RunCommandOutput(const std::string& line) = 0;
    virtual long Version() = 0;
    virtual std::vector<std::string> ToolpathNames() = 0;
    virtual void FetchBlock() = 0;
    virtual double BlockLimit(int index) = 0;
    virtual void SetBlockLimit(int index, double value) = 0;
};

}  // namespace orvalis::host
