#include "survey/machining_time.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace orvalis::survey {

namespace {

constexpr std::int64_t kMaxSeconds = std::numeric_limits<std::int64_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::int64_t> MachiningSeconds(std::string_view text) {
    std::int64_t seconds = 0;
    int parts = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(':', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view part = text.substr(start, end - start);
        // A sign is no part of a time: "-00:30:00" would otherwise read as
        // half an hour.
        if (part.empty() || !IsDigit(part.front()) || ++parts > 3) return std::nullopt;
        std::int64_t value = 0;
        auto [stop, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (error != std::errc() || stop != part.data() + part.size()) return std::nullopt;
        if (seconds > (kMaxSeconds - value) / 60) return std::nullopt;
        seconds = seconds * 60 + value;
        start = end + 1;
    }
    return seconds;
}

void TimeTotal::Add(const MachiningTime& time) {
    const std::optional<std::int64_t>& counted = time.seconds();
    if (counted && seconds <= kMaxSeconds - *counted) {
        seconds += *counted;
    } else {
        ++unreadable;
    }
}

std::string DurationText(std::int64_t seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

}  // namespace orvalis::survey
