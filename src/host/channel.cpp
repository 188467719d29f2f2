#include "host/channel.h"

#include "host/host_error.h"
#include "host/number_text.h"
#include "host/quoted_names.h"
#include "platform/text_encoding.h"

namespace orvalis::host {

HostChannel::HostChannel(std::shared_ptr<HostSession> session) : session_(std::move(session)) {}

template <typename Call>
auto HostChannel::Timed(Call call) -> decltype(call()) {
    // Counted whether the host answers or fails: a refusal is waited for too.
    struct Stopwatch {
        HostSession& session;
        std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
        ~Stopwatch() { session.AddCall(std::chrono::steady_clock::now() - start); }
    } stopwatch{*session_};
    return call();
}

void HostChannel::Connect() {
    ConnectWith(std::nullopt, "Connect");
}

void HostChannel::Connect(int argument) {
    ConnectWith(argument, "Connect " + std::to_string(argument));
}

// Connecting opens the work; it is never the call a cancel refuses.
void HostChannel::ConnectWith(std::optional<int> argument, const std::string& call) {
    session_->Record(call);
    connected_ = false;
    Timed([&] { session_->backend().Connect(argument); });
    connected_ = true;
}

void HostChannel::Begin(const std::string& call) {
    session_->BeforeCall(call);
    session_->Record(call);
    if (!connected_) throw HostError(call, "연결되기 전의 호출입니다");
}

// A line break would end the command early and run the rest as a command of
// its own (and break the transcript's one line per call); no command the
// program builds holds a control character, so one that does is refused
// before it is recorded or sent.
void HostChannel::RefuseControlCharacters(const std::string& call) {
    if (ControlCharacter(call)) {
        throw HostError(ShownText(call), "줄바꿈이나 제어 문자가 든 명령이라 보내지 않았습니다");
    }
}

void HostChannel::RunCommand(const std::string& line) {
    RefuseControlCharacters("RunCommand " + line);
    Begin("RunCommand " + line);
    Timed([&] { session_->backend().RunCommand(line); });
}

std::string HostChannel::RunCommandOutput(const std::string& line) {
    RefuseControlCharacters("RunCommandOutput " + line);
    Begin("RunCommandOutput " + line);
    return DecodeIncomingText(Timed([&] { return session_->backend().RunCommandOutput(line); }));
}

long HostChannel::Version() {
    Begin("Version");
    return Timed([&] { return session_->backend().Version(); });
}

std::vector<std::string> HostChannel::ToolpathNames() {
    Begin("ToolpathNames");
    std::vector<std::string> names = Timed([&] { return session_->backend().ToolpathNames(); });
    for (auto& name : names) name = DecodeIncomingText(name);
    return names;
}

void HostChannel::FetchBlock() {
    Begin("FetchBlock");
    Timed([&] { session_->backend().FetchBlock(); });
}

double HostChannel::BlockLimit(int index) {
    Begin("BlockLimit " + std::to_string(index));
    return Timed([&] { return session_->backend().BlockLimit(index); });
}

void HostChannel::SetBlockLimit(int index, double value) {
    Begin("SetBlockLimit " + std::to_string(index) + " " + NumberText(value));
    Timed([&] { session_->backend().SetBlockLimit(index, value); });
}

}  // namespace orvalis::host
