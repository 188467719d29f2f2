#include "capture/leading_number.h"

#include <charconv>
#include <cmath>

namespace orvalis::capture {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the run of digits at `at`.
std::size_t Digits(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - at;
}

// A sign, digits and a fractional part from `at`: where they end, and how
// many digits stand before and after the point.
struct Mantissa {
    std::size_t end, whole, fraction;
};

Mantissa ScanMantissa(std::string_view text, std::size_t at) {
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    Mantissa scanned{at, Digits(text, at), 0};
    scanned.end += scanned.whole;
    if (scanned.end < text.size() && text[scanned.end] == '.') {
        scanned.fraction = Digits(text, scanned.end + 1);
        scanned.end += 1 + scanned.fraction;
    }
    return scanned;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos) return 0.0;
    std::size_t start = at;
    Mantissa mantissa = ScanMantissa(text, at);
    if (mantissa.whole + mantissa.fraction == 0) return 0.0;
    at = mantissa.end;
    // An exponent counts only when digits follow it.
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        std::size_t sign = at + 1 < text.size() && (text[at + 1] == '-' || text[at + 1] == '+');
        std::size_t exponent = Digits(text, at + 1 + sign);
        if (exponent > 0) at += 1 + sign + exponent;
    }
    std::string_view number = text.substr(start, at - start);
    if (number[0] == '+') number.remove_prefix(1);
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) return 0.0;
    return std::isfinite(value) ? value : 0.0;
}

bool IsLimitText(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return true;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    Mantissa mantissa = ScanMantissa(text, 0);
    std::size_t at = mantissa.end;
    bool digits = mantissa.whole + mantissa.fraction > 0;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e') && digits) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        at += Digits(text, at);
    }
    if (at != text.size()) return false;
    if (!digits) return true;  // "-", "." while typed
    // A number beyond what a double holds ("1E999", "1E-400") would reach the
    // host as another number; it is no limit.
    if (text[0] == '+') text.remove_prefix(1);
    double value = 0.0;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec !=
           std::errc::result_out_of_range;
}

}  // namespace orvalis::capture
