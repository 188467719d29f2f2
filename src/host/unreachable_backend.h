#pragma once

#include <string>

#include "host/backend.h"
#include "host/host_error.h"

namespace orvalis::host {

// Stands in when the chosen host could not be started (a project file that
// does not load, a host this build lacks): the windows still open, and every
// call fails with the reason, so each window says the host is not connected.
class UnreachableBackend : public HostBackend {
  public:
    explicit UnreachableBackend(std::string reason) : reason_(std::move(reason)) {}

    void Connect(std::optional<int>) override { Fail("Connect"); }
    void RunCommand(const std::string& line) override { Fail("RunCommand " + line); }
    std::string RunCommandOutput(const std::string& line) override {
        Fail("RunCommandOutput " + line);
    }
    long Version() override { Fail("Version"); }
    std::vector<std::string> ToolpathNames() override { Fail("ToolpathNames"); }
    void FetchBlock() override { Fail("FetchBlock"); }
    double BlockLimit(int) override { Fail("BlockLimit"); }
    void SetBlockLimit(int, double) override { Fail("SetBlockLimit"); }

  private:
    [[noreturn]] void Fail(const std::string& call) const { throw HostError(call, reason_); }

    std::string reason_;
};

}  // namespace orvalis::host
