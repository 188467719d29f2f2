#include "host/sim_factory.h"

#include "host/host_error.h"

namespace orvalis::host {

std::unique_ptr<HostBackend> MakeSimBackend(const std::string& /*project_path*/) {
    throw HostError("Connect", "the simulated host is not part of this build yet");
}

}  // namespace orvalis::host
