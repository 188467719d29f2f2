#include "survey/report_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvalis::survey {

namespace {

// Whole numbers beyond this cannot be written digit for digit from a double.
constexpr double kLargestWhole = 1e15;

std::optional<std::string> WholeNumberText(double value) {
    if (!(std::fabs(value) < kLargestWhole)) return std::nullopt;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", value + 0.0);  // + 0.0 turns -0 into 0
    return std::string(buffer);
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The magnitude in hundredths, rounded half away from zero on its 15
// significant decimal digits, as a string of digits.
std::string Hundredths(double magnitude) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);  // d.dddddddddddddde±x
    std::string digits = std::string(1, buffer[0]) + std::string(buffer + 2, 14);
    int exponent = std::atoi(buffer + 17);
    // magnitude * 100 == digits * 10^(exponent - 12)
    int shift = exponent - 12;
    if (shift >= 0) return digits + std::string(static_cast<std::size_t>(shift), '0');
    int keep = static_cast<int>(digits.size()) + shift;
    if (keep < 0) return "0";
    std::string kept = keep == 0 ? "0" : digits.substr(0, static_cast<std::size_t>(keep));
    if (digits[static_cast<std::size_t>(keep)] >= '5') Increment(kept);
    return kept;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> LengthAsWholeNumber(std::string_view text) {
    auto value = ReadNumber(text);
    if (!value) return std::nullopt;
    return WholeNumberText(std::nearbyint(*value));  // the default rounding: half to even
}

std::optional<std::string> OverhangAsWholeNumber(std::string_view text) {
    auto value = ReadNumber(text);
    if (!value) return std::nullopt;
    // A hair below the next whole number still counts as that number. From
    // about 2E9 on the hair is lost in the double, and a whole value would
    // go one up; there the value is simply rounded up.
    double nudged = *value - 0.0000001;
    if (nudged == *value) return WholeNumberText(std::ceil(*value));
    return WholeNumberText(std::floor(nudged) + 1);
}

std::string LowestPointText(std::string_view text) {
    auto value = ReadNumber(text);
    if (!value) return std::string(text);
    std::string hundredths = Hundredths(std::fabs(*value));
    if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), '0');
    std::string whole = hundredths.substr(0, hundredths.size() - 2);
    std::string decimals = hundredths.substr(hundredths.size() - 2);
    if (decimals[1] == '0') decimals.pop_back();
    bool zero = hundredths.find_first_not_of('0') == std::string::npos;
    return (*value < 0 && !zero ? "-" : "") + whole + "." + decimals;
}

}  // namespace orvalis::survey
