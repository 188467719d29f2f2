#include "cli/run_summary.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "forms/controls.h"
#include "survey/toolpath_grid.h"

namespace orvalis::cli {

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

std::string RunSummary(const forms::FlexGrid& grid, int toolpaths, std::size_t files) {
    long total = 0;
    int unread = 0;
    for (int row = 1; row <= toolpaths; ++row) {
        auto seconds = MachiningSeconds(grid.TextMatrix(row, survey::kMachiningTime));
        if (seconds) {
            total += *seconds;
        } else {
            ++unread;
        }
    }
    char time[32];
    std::snprintf(time, sizeof time, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    std::string summary = std::to_string(toolpaths) + " toolpaths, machining time " + time;
    if (unread > 0) summary += " (" + std::to_string(unread) + " times not readable)";
    return summary + ", " + std::to_string(files) + " files";
}

std::string HostCostSummary(long calls, double waiting_seconds, double own_seconds) {
    char seconds[64];
    std::snprintf(seconds, sizeof seconds, "호스트 대기 %.2f s, 자체 처리 %.2f s", waiting_seconds,
                  own_seconds);
    return "호스트 호출 " + std::to_string(calls) + "회, " + seconds;
}

}  // namespace orvalis::cli
