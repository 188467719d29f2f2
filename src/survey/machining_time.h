#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis::survey {

// The seconds of a machining time as the host prints it: "H:MM:SS",
// "MM:SS" or whole seconds, digits only; nothing for any other text, and
// nothing for a time too large to count in seconds.
std::optional<std::int64_t> MachiningSeconds(std::string_view text);

// A toolpath's machining time: the host's text, which the grid and the sheet
// show as printed, and its seconds when the text can be read as a time.
class MachiningTime {
  public:
    MachiningTime() = default;
    explicit MachiningTime(std::string text)
        : text_(std::move(text)), seconds_(MachiningSeconds(text_)) {}

    const std::string& text() const { return text_; }
    const std::optional<std::int64_t>& seconds() const { return seconds_; }

    bool operator==(const MachiningTime&) const = default;

  private:
    std::string text_;
    std::optional<std::int64_t> seconds_;
};

// Machining times added up. A time that cannot be read, or that the sum
// cannot hold, is left out and counted instead.
struct TimeTotal {
    std::int64_t seconds = 0;
    int unreadable = 0;

    void Add(const MachiningTime& time);
};

// "4:55:07": hours (as many as there are), minutes and seconds.
std::string DurationText(std::int64_t seconds);

}  // namespace orvalis::survey
