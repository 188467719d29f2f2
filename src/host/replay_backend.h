#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "host/backend.h"
#include "host/replay_script.h"

namespace orvalis::host {

// Answers host calls from a replay script. Tests use it to drive the windows
// with known answers and injected failures.
class ReplayBackend : public HostBackend {
  public:
    explicit ReplayBackend(ReplayScript script);
    // Throws ReplayScriptError when the file cannot be read or parsed.
    static std::unique_ptr<ReplayBackend> FromFile(const std::string& path);

    void Connect(std::optional<int> argument) override;
    void RunCommand(const std::string& line) override;
    std::string RunCommandOutput(const std::string& line) override;
    long Version() override;
    std::vector<std::string> ToolpathNames() override;
    void FetchBlock() override;
    double BlockLimit(int index) override;
    void SetBlockLimit(int index, double value) override;

    // How many calls reached this host so far.
    std::size_t call_count() const { return call_count_; }
    // Makes the call with this 1-based number fail, whatever it is.
    void FailCallNumber(std::size_t number) { fail_call_number_ = number; }

  private:
    // Counts the call and throws HostError when the script or the injected
    // call number says it fails. `key` is what a "fail" line names.
    void Count(const std::string& key, const std::string& call);

    ReplayScript script_;
    std::vector<double> block_;  // the block as set since the last FetchBlock
    std::map<std::string, std::size_t> answers_used_;
    std::size_t call_count_ = 0;
    std::size_t fail_call_number_ = 0;
};

}  // namespace orvalis::host
