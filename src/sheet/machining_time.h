#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvalis::sheet {

// The seconds of a machining time as the host prints it: "H:MM:SS",
// "MM:SS" or whole seconds; nothing for any other text.
std::optional<long> MachiningSeconds(std::string_view text);

// "4:55:07": hours (as many as there are), minutes and seconds.
std::string DurationText(long seconds);

}  // namespace orvalis::sheet
