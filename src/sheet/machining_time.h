#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis::sheet {

// The seconds of a machining time as the host prints it: "H:MM:SS",
// "MM:SS" or whole seconds, digits only; nothing for any other text, and
// nothing for a time too large to count in seconds.
std::optional<std::int64_t> MachiningSeconds(std::string_view text);

// Machining times added up. A time that cannot be read, or that the sum
// cannot hold, is left out and counted instead.
struct TimeTotal {
    std::int64_t seconds = 0;
    int unreadable = 0;

    void Add(std::string_view text);
};

// "4:55:07": hours (as many as there are), minutes and seconds.
std::string DurationText(std::int64_t seconds);

}  // namespace orvalis::sheet
