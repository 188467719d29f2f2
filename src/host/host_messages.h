#pragma once

#include <string>

#include "host/host_error.h"

namespace orvalis::host {

// What the user reads when a host call failed: the call and the host's reason.
std::string HostProblem(const HostError& error);
// What the user reads when the host could not be reached.
std::string NotConnectedProblem(const HostError& error);

}  // namespace orvalis::host
