#include "sim/latency_model.h"

#include <charconv>
#include <cstdlib>
#include <thread>

#include "host/host_error.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

std::string_view Trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

void AddEntry(LatencyModel& model, std::string_view entry) {
    std::size_t equals = entry.rfind('=');
    std::string_view key = Trimmed(entry.substr(0, equals));
    std::string_view number =
        equals == std::string_view::npos ? std::string_view() : Trimmed(entry.substr(equals + 1));
    long milliseconds = -1;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), milliseconds);
    if (key.empty() || number.empty() || error != std::errc() ||
        end != number.data() + number.size() || milliseconds < 0 || milliseconds > 600000) {
        throw host::HostError("Connect", "ORVALIS_SIM_LATENCY: \"" + std::string(entry) +
                                             "\" is not KEY=MILLISECONDS");
    }
    model.Set(std::string(key), std::chrono::milliseconds(milliseconds));
}

// Every call of the wrapped backend waits its delay first.
class LatentBackend : public host::HostBackend {
  public:
    LatentBackend(std::unique_ptr<host::HostBackend> backend, LatencyModel latency)
        : backend_(std::move(backend)), latency_(std::move(latency)) {}

    void Connect(std::optional<int> argument) override {
        Wait("Connect");
        backend_->Connect(argument);
    }
    void RunCommand(const std::string& line) override {
        Wait(line);
        backend_->RunCommand(line);
    }
    std::string RunCommandOutput(const std::string& line) override {
        Wait(line);
        return backend_->RunCommandOutput(line);
    }
    long Version() override {
        Wait("Version");
        return backend_->Version();
    }
    std::vector<std::string> ToolpathNames() override {
        Wait("ToolpathNames");
        return backend_->ToolpathNames();
    }
    void FetchBlock() override {
        Wait("FetchBlock");
        backend_->FetchBlock();
    }
    double BlockLimit(int index) override {
        Wait("BlockLimit");
        return backend_->BlockLimit(index);
    }
    void SetBlockLimit(int index, double value) override {
        Wait("SetBlockLimit");
        backend_->SetBlockLimit(index, value);
    }

  private:
    void Wait(std::string_view call) const {
        auto delay = latency_.DelayFor(call);
        if (delay.count() > 0) std::this_thread::sleep_for(delay);
    }

    std::unique_ptr<host::HostBackend> backend_;
    LatencyModel latency_;
};

}  // namespace

void LatencyModel::Set(const std::string& key, std::chrono::milliseconds delay) {
    delays_[UpperCopy(Trimmed(key))] = delay;
}

void LatencyModel::AddEntries(std::string_view text) {
    while (!Trimmed(text).empty()) {
        std::size_t comma = text.find(',');
        AddEntry(*this, text.substr(0, comma));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
}

std::chrono::milliseconds LatencyModel::DelayFor(std::string_view call) const {
    std::string upper = UpperCopy(Trimmed(call));
    std::size_t best_length = 0;
    std::chrono::milliseconds delay{0};
    if (auto any = delays_.find("*"); any != delays_.end()) delay = any->second;
    for (const auto& [key, value] : delays_) {
        if (key == "*" || key.size() <= best_length) continue;
        if (upper.compare(0, key.size(), key) == 0) {
            best_length = key.size();
            delay = value;
        }
    }
    return delay;
}

LatencyModel LatencyFromEnvironment(LatencyModel from_project) {
    const char* text = std::getenv("ORVALIS_SIM_LATENCY");
    if (text && *text) from_project.AddEntries(text);
    return from_project;
}

std::unique_ptr<host::HostBackend> WithLatency(std::unique_ptr<host::HostBackend> backend,
                                               LatencyModel latency) {
    if (latency.empty()) return backend;
    return std::make_unique<LatentBackend>(std::move(backend), std::move(latency));
}

}  // namespace orvalis::sim
