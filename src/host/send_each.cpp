#include "host/send_each.h"

namespace orvalis::host {

std::optional<HostError> SendEach(HostChannel& pm, const std::vector<std::string>& lines) {
    std::optional<HostError> first;
    for (const auto& line : lines) {
        try {
            pm.RunCommand(line);
        } catch (const HostError& error) {
            if (!first) first = error;
        }
    }
    return first;
}

}  // namespace orvalis::host
