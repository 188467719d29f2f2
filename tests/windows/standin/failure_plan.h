#pragma once

#include <string>

namespace orvalis::standin {

// Which call the stand-in control fails, from ORVALIS_STANDIN_FAIL: the words
// a replay script's "fail" line takes (a command line for RunCommand and
// RunCommandOutput, else the operation's name: "Connect", "ToolpathNames",
// "BlockLimit" …), optionally after "once " to fail only its first call.
// Unset or empty: nothing fails.
class FailurePlan {
  public:
    static FailurePlan FromEnvironment();
    explicit FailurePlan(const std::string& text);

    // True when the call with this key is to fail now; counts it.
    bool Fails(const std::string& key);
    // The control's description of the injected failure.
    static std::string Description(const std::string& key);

  private:
    std::string key_;
    bool once_ = false;
    bool spent_ = false;
};

}  // namespace orvalis::standin
