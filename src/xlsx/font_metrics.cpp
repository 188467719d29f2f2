#include "xlsx/font_metrics.h"

#include <algorithm>
#include <cmath>

namespace orvalis::xlsx {

namespace {

struct KnownFont {
    std::string_view name;
    double size;
    FontMetrics metrics;
};

// Measured in the spreadsheet at 96 dots per inch.
constexpr KnownFont kKnownFonts[] = {
    {"맑은 고딕", 11, {8, 16.5}},
    {"Malgun Gothic", 11, {8, 16.5}},
    {"Calibri", 11, {7, 15.0}},
    {"Arial", 10, {7, 12.75}},
};

}  // namespace

FontMetrics MetricsOfFont(std::string_view name, double size) {
    for (const KnownFont& font : kKnownFonts) {
        if (font.name == name && font.size == size) return font.metrics;
    }
    // Digits are a little over half an em wide; rows a little over 1.3 em
    // high, on whole pixels (0.75 points).
    double pixels_per_em = size * 96.0 / 72.0;
    int digit = std::max(1, static_cast<int>(std::lround(pixels_per_em * 0.55)));
    double row = std::ceil(pixels_per_em * 1.36) * 0.75;
    return FontMetrics{digit, row};
}

}  // namespace orvalis::xlsx
