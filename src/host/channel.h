#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/session.h"

namespace orvalis::host {

// One window's automation control (the `PM` / `pm` of a window). It reaches
// the session's host, writes each call to the transcript before making it,
// and refuses every call until Connect has succeeded on it, as the real
// control does.
class HostChannel {
  public:
    explicit HostChannel(std::shared_ptr<HostSession> session);

    void Connect();
    void Connect(int argument);
    void RunCommand(const std::string& line);
    std::string RunCommandOutput(const std::string& line);
    long Version();
    std::vector<std::string> ToolpathNames();
    void FetchBlock();
    double BlockLimit(int index);
    void SetBlockLimit(int index, double value);

    bool connected() const { return connected_; }

  private:
    void ConnectWith(std::optional<int> argument, const std::string& call);
    // Records the call and throws HostError when the channel is not connected.
    void Begin(const std::string& call);

    std::shared_ptr<HostSession> session_;
    bool connected_ = false;
};

}  // namespace orvalis::host
