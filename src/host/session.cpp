#include "host/session.h"

#include <cstdlib>

#include "host/host_error.h"
#include "host/replay_backend.h"
#include "host/sim_factory.h"

namespace orvalis::host {

HostSession::HostSession(std::unique_ptr<HostBackend> backend,
                         std::unique_ptr<Transcript> transcript)
    : backend_(std::move(backend)), transcript_(std::move(transcript)) {}

void HostSession::Mark(const std::string& action) {
    if (transcript_) transcript_->Mark(action);
}

void HostSession::Record(const std::string& call) {
    if (transcript_) transcript_->Write(call);
}

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::unique_ptr<HostBackend> MakeBackend(const std::string& spec) {
    if (spec == "sim") return MakeSimBackend("");
    if (StartsWith(spec, "sim:")) return MakeSimBackend(spec.substr(4));
    if (StartsWith(spec, "replay:")) return ReplayBackend::FromFile(spec.substr(7));
    if (spec == "com") {
        throw HostError("Connect", "the com host exists only in the Windows build");
    }
    throw HostError("Connect",
                    "unknown host '" + spec + "' (use sim, sim:PROJECT.json or replay:SCRIPT)");
}

std::string DefaultHostSpec() {
    const char* env = std::getenv("ORVALIS_HOST");
    return env && *env ? std::string(env) : std::string("sim");
}

}  // namespace orvalis::host
