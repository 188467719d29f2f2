#include "host/host_messages.h"

namespace orvalis::host {

std::string HostProblem(const HostError& error) {
    return "파워밀 명령이 실패했습니다 (" + error.command() + "): " + error.what();
}

std::string NotConnectedProblem(const HostError& error) {
    return std::string("파워밀에 연결되지 않았습니다 (") + error.what() + ")";
}

}  // namespace orvalis::host
