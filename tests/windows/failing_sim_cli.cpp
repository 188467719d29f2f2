// orvalis-cli on Linux whose simulated host fails the call that
// ORVALIS_STANDIN_FAIL names, exactly as the stand-in control does under
// Wine: what the failure sweep through COM is compared with.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "failure_plan.h"
#include "host/host_error.h"
#include "host/number_text.h"
#include "host/session.h"
#include "sim/sim_backend.h"

namespace {

using orvalis::host::HostBackend;
using orvalis::host::HostError;
using orvalis::standin::FailurePlan;

class FailingHost : public HostBackend {
  public:
    explicit FailingHost(std::unique_ptr<HostBackend> host)
        : host_(std::move(host)), plan_(FailurePlan::FromEnvironment()) {}

    void Connect(std::optional<int> argument) override {
        Check("Connect", argument ? "Connect " + std::to_string(*argument) : "Connect");
        host_->Connect(argument);
    }
    void RunCommand(const std::string& line) override {
        Check(line, "RunCommand " + line);
        host_->RunCommand(line);
    }
    std::string RunCommandOutput(const std::string& line) override {
        Check(line, "RunCommandOutput " + line);
        return host_->RunCommandOutput(line);
    }
    long Version() override {
        Check("Version", "Version");
        return host_->Version();
    }
    std::vector<std::string> ToolpathNames() override {
        Check("ToolpathNames", "ToolpathNames");
        return host_->ToolpathNames();
    }
    void FetchBlock() override {
        Check("FetchBlock", "FetchBlock");
        host_->FetchBlock();
    }
    double BlockLimit(int index) override {
        Check("BlockLimit", "BlockLimit " + std::to_string(index));
        return host_->BlockLimit(index);
    }
    void SetBlockLimit(int index, double value) override {
        Check("SetBlockLimit",
              "SetBlockLimit " + std::to_string(index) + " " + orvalis::host::NumberText(value));
        host_->SetBlockLimit(index, value);
    }

  private:
    void Check(const std::string& key, const std::string& call) {
        if (plan_.Fails(key)) throw HostError(call, FailurePlan::Description(key));
    }

    std::unique_ptr<HostBackend> host_;
    FailurePlan plan_;
};

}  // namespace

int main(int argc, char** argv) {
    orvalis::host::RegisterBackend("sim", [](const std::string& project) {
        return std::make_unique<FailingHost>(orvalis::sim::MakeSimBackend(project));
    });
    std::vector<std::string> words(argv + 1, argv + argc);
    return orvalis::cli::Main(words, std::cout, std::cerr);
}
