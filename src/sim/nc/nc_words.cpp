#include "sim/nc/nc_words.h"

#include <cstdio>

namespace orvalis::sim {

namespace {

// "%.*f" without trailing zeros; "-0" becomes "0".
std::string Rounded(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

void AppendWord(std::string& words, char axis, const std::string& text, std::string& last) {
    if (text == last) return;
    if (!words.empty()) words += ' ';
    words += axis;
    words += text;
    last = text;
}

}  // namespace

std::string FanucNumber(double value, int decimals) {
    std::string text = Rounded(value, decimals);
    if (text.find('.') == std::string::npos) text += '.';
    return text;
}

std::string HeidenhainNumber(double value, int decimals) {
    std::string text = Rounded(value, decimals);
    return text.front() == '-' ? text : "+" + text;
}

std::string ChangedAxes(const Point3& to, AxisTexts& last, NumberFormat format, int decimals) {
    std::string words;
    AppendWord(words, 'X', format(to.x, decimals), last.x);
    AppendWord(words, 'Y', format(to.y, decimals), last.y);
    AppendWord(words, 'Z', format(to.z, decimals), last.z);
    return words;
}

}  // namespace orvalis::sim
