#include "host/channel.h"

#include "host/host_error.h"
#include "host/number_text.h"

namespace orvalis::host {

HostChannel::HostChannel(std::shared_ptr<HostSession> session) : session_(std::move(session)) {}

void HostChannel::Connect() {
    ConnectWith(std::nullopt, "Connect");
}

void HostChannel::Connect(int argument) {
    ConnectWith(argument, "Connect " + std::to_string(argument));
}

void HostChannel::ConnectWith(std::optional<int> argument, const std::string& call) {
    session_->Record(call);
    connected_ = false;
    session_->backend().Connect(argument);
    connected_ = true;
}

void HostChannel::Begin(const std::string& call) {
    session_->Record(call);
    if (!connected_) throw HostError(call, "the host is not connected");
}

void HostChannel::RunCommand(const std::string& line) {
    Begin("RunCommand " + line);
    session_->backend().RunCommand(line);
}

std::string HostChannel::RunCommandOutput(const std::string& line) {
    Begin("RunCommandOutput " + line);
    return session_->backend().RunCommandOutput(line);
}

long HostChannel::Version() {
    Begin("Version");
    return session_->backend().Version();
}

std::vector<std::string> HostChannel::ToolpathNames() {
    Begin("ToolpathNames");
    return session_->backend().ToolpathNames();
}

void HostChannel::FetchBlock() {
    Begin("FetchBlock");
    session_->backend().FetchBlock();
}

double HostChannel::BlockLimit(int index) {
    Begin("BlockLimit " + std::to_string(index));
    return session_->backend().BlockLimit(index);
}

void HostChannel::SetBlockLimit(int index, double value) {
    Begin("SetBlockLimit " + std::to_string(index) + " " + NumberText(value));
    session_->backend().SetBlockLimit(index, value);
}

}  // namespace orvalis::host
