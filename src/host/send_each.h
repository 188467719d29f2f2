#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/channel.h"
#include "host/host_error.h"

namespace orvalis::host {

// Sends every line even when one fails, so that one refusal does not leave
// the rest of the host's switches behind (the closing commands of an
// action); returns the first failure, if any.
std::optional<HostError> SendEach(HostChannel& pm, const std::vector<std::string>& lines);

}  // namespace orvalis::host
