#include "host/host_messages.h"

#include "host/host_work.h"

namespace orvalis::host {

std::string HostProblem(const HostError& error) {
    // The user's own stop: no host command failed.
    if (dynamic_cast<const Cancelled*>(&error)) return error.what();
    return "파워밀 명령이 실패했습니다 (" + error.command() + "): " + error.what();
}

std::string NotConnectedProblem(const HostError& error) {
    return std::string("파워밀에 연결되지 않았습니다 (") + error.what() + ")";
}

}  // namespace orvalis::host
