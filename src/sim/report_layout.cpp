#include "sim/report_layout.h"

#include <cmath>
#include <cstdio>

#include "host/number_text.h"

namespace orvalis::sim {

namespace {

constexpr std::size_t kKeyColumns = 9;

}  // namespace

void AppendParameterLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    if (key.size() < kKeyColumns) out.append(kKeyColumns - key.size(), ' ');
    out.append(" : ");
    out.append(value);
    out.append("\r\n");
}

void AppendParameterLine(std::string& out, std::string_view key, double value) {
    AppendParameterLine(out, key, host::NumberText(value));
}

void AppendTypeLine(std::string& out, std::string_view word) {
    out.append("TYPE  :  ");
    out.append(word);
    out.append("\r\n");
}

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

std::string FixedNumber(double value, int decimals, int width) {
    if (value == 0.0) value = 0.0;  // no "-0.0000"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
    return buffer;
}

std::string DurationText(double seconds) {
    long total = std::isfinite(seconds) && seconds > 0 ? std::lround(seconds) : 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02ld:%02ld:%02ld", total / 3600, total / 60 % 60,
                  total % 60);
    return buffer;
}

}  // namespace orvalis::sim
