#include "sheet/machining_time.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace orvalis::sheet {

std::optional<long> MachiningSeconds(std::string_view text) {
    std::vector<long> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(':', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view part = text.substr(start, end - start);
        long value = 0;
        auto [stop, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || stop != part.data() + part.size() ||
            value < 0) {
            return std::nullopt;
        }
        parts.push_back(value);
        start = end + 1;
    }
    if (parts.size() > 3) return std::nullopt;
    long seconds = 0;
    for (long part : parts) seconds = seconds * 60 + part;
    return seconds;
}

std::string DurationText(long seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

}  // namespace orvalis::sheet
