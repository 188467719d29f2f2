// The replay script reader on any script, and the replay host answering from
// whatever it accepted: a script is refused with a ReplayScriptError, a call
// the script fails throws HostError, nothing else.
#include "host/replay_script.h"
#include "fuzz_check.h"
#include "host/host_error.h"
#include "host/replay_backend.h"

namespace {

using orvalis::host::HostError;

template <typename Call>
void Try(Call call) {
    try {
        call();
    } catch (const HostError&) {
    }
}

void AskEverything(orvalis::host::ReplayBackend& host, const orvalis::host::ReplayScript& script) {
    Try([&] { host.Connect(std::nullopt); });
    Try([&] { host.Version(); });
    Try([&] { host.ToolpathNames(); });
    Try([&] { host.FetchBlock(); });
    for (int index = 0; index <= 7; ++index) Try([&] { host.BlockLimit(index); });
    for (const auto& entry : script.answers) {
        const std::string& command = entry.first;
        for (std::size_t i = 0; i <= entry.second.size(); ++i) {
            Try([&] { host.RunCommandOutput(command); });
        }
    }
    for (const auto& command : script.failures) Try([&] { host.RunCommand(command); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    orvalis::host::ReplayScript script;
    try {
        script = orvalis::host::ParseReplayScript(orvalis::fuzz::InputText(data, size), "fuzz");
    } catch (const orvalis::host::ReplayScriptError&) {
        return 0;
    }
    orvalis::host::ReplayBackend host(script);
    AskEverything(host, script);
    return 0;
}
