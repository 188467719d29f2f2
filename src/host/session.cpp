#include "host/session.h"

#include <map>

#include "host/host_error.h"
#include "host/replay_backend.h"
#include "host/system_backends.h"
#include "platform/native_path.h"

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

void HostSession::AddCall(std::chrono::steady_clock::duration waited) {
    ++cost_.calls;
    cost_.waiting += waited;
}

void HostSession::BeginWork() {
    if (work_depth_++ > 0) return;
    cancel_requested_ = false;
    cancel_delivered_ = false;
    if (watcher_) watcher_->WorkStarted();
}

void HostSession::EndWork() {
    if (--work_depth_ > 0) return;
    if (watcher_) watcher_->WorkEnded();
}

void HostSession::RequestCancel() {
    if (work_depth_ > 0) cancel_requested_ = true;
}

void HostSession::BeforeCall(const std::string& call) {
    if (work_depth_ == 0) return;
    if (watcher_) watcher_->BetweenCalls();
    if (cancel_requested_ && !cancel_delivered_) {
        cancel_delivered_ = true;
        throw Cancelled(call);
    }
}

namespace {

std::map<std::string, BackendMaker>& RegisteredBackends() {
    static std::map<std::string, BackendMaker> makers{
        {"replay", [](const std::string& script) -> std::unique_ptr<HostBackend> {
             if (script.empty())
                 throw HostError("Connect",
                                 "replay 호스트에는 스크립트가 필요합니다: replay:SCRIPT");
             return ReplayBackend::FromFile(script);
         }}};
    return makers;
}

}  // namespace

void RegisterBackend(const std::string& name, BackendMaker maker) {
    RegisteredBackends()[name] = std::move(maker);
}

std::unique_ptr<HostBackend> MakeBackend(const std::string& choice) {
    std::size_t colon = choice.find(':');
    std::string name = choice.substr(0, colon);
    std::string argument = colon == std::string::npos ? std::string() : choice.substr(colon + 1);
    auto& makers = RegisteredBackends();
    if (auto maker = makers.find(name); maker != makers.end()) return maker->second(argument);
    if (choice == "com") {
        throw HostError("Connect", "com 호스트는 Windows 판에만 있습니다");
    }
    throw HostError("Connect", "알 수 없는 호스트입니다: '" + choice +
                                   "' (sim, sim:PROJECT.json, replay:SCRIPT 중 하나)");
}

std::string DefaultHostChoice() {
    // Read as UTF-16 on Windows, so a project path with Korean letters survives.
    return EnvironmentText("ORVALIS_HOST").value_or(std::string(SystemDefaultHost()));
}

}  // namespace orvalis::host
