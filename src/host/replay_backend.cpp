#include "host/replay_backend.h"

#include "host/host_error.h"
#include "platform/atomic_file.h"
#include "platform/native_path.h"

namespace orvalis::host {

ReplayBackend::ReplayBackend(ReplayScript script)
    : script_(std::move(script)), block_(script_.block) {}

std::unique_ptr<ReplayBackend> ReplayBackend::FromFile(const std::string& path) {
    // A folder, FIFO or device in its place is refused by the bounded read.
    auto text = ReadFileChecked(NativePath(path));
    if (!text) throw ReplayScriptError(path + ": 재생 스크립트를 읽을 수 없습니다");
    return std::make_unique<ReplayBackend>(ParseReplayScript(*text, path));
}

void ReplayBackend::Count(const std::string& key, const std::string& call) {
    ++call_count_;
    if (call_count_ == fail_call_number_) {
        throw HostError(call, "injected failure of call " + std::to_string(call_count_));
    }
    if (script_.failures.count(key)) throw HostError(call, "the replay script fails " + key);
}

void ReplayBackend::Connect(std::optional<int> argument) {
    Count("Connect", argument ? "Connect " + std::to_string(*argument) : "Connect");
}

void ReplayBackend::RunCommand(const std::string& line) {
    Count(line, "RunCommand " + line);
}

std::string ReplayBackend::RunCommandOutput(const std::string& line) {
    Count(line, "RunCommandOutput " + line);
    auto found = script_.answers.find(line);
    if (found == script_.answers.end()) return "";
    std::size_t& used = answers_used_[line];
    const auto& answers = found->second;
    const std::string& answer = answers[std::min(used, answers.size() - 1)];
    ++used;
    return answer;
}

long ReplayBackend::Version() {
    Count("Version", "Version");
    return script_.version;
}

std::vector<std::string> ReplayBackend::ToolpathNames() {
    Count("ToolpathNames", "ToolpathNames");
    return script_.toolpaths;
}

// FetchBlock recomputes the block: the script's limits replace any set since.
void ReplayBackend::FetchBlock() {
    Count("FetchBlock", "FetchBlock");
    block_ = script_.block;
}

double ReplayBackend::BlockLimit(int index) {
    Count("BlockLimit", "BlockLimit " + std::to_string(index));
    if (index < 1 || index > 6) {
        throw HostError("BlockLimit " + std::to_string(index), "block limit index out of range");
    }
    return block_[static_cast<std::size_t>(index - 1)];
}

void ReplayBackend::SetBlockLimit(int index, double value) {
    Count("SetBlockLimit", "SetBlockLimit " + std::to_string(index));
    if (index < 1 || index > 6) {
        throw HostError("SetBlockLimit " + std::to_string(index), "block limit index out of range");
    }
    block_[static_cast<std::size_t>(index - 1)] = value;
}

}  // namespace orvalis::host
