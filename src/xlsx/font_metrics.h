#pragma once

#include <string_view>

namespace orvalis::xlsx {

// A pixel at 96 dots per inch, in points.
inline constexpr double kPointsPerPixel = 0.75;

// What the spreadsheet derives from a workbook's default font: the width of
// its widest digit in pixels (at 96 dots per inch), the unit of every column
// width, and the height of a row nobody resized.
struct FontMetrics {
    int max_digit_width = 7;           // pixels
    double default_row_height = 15.0;  // points
};

// Exact values for the usual defaults (맑은 고딕 11 of Korean Excel, Calibri
// 11, Arial 10); an estimate from the size for any other font.
FontMetrics MetricsOfFont(std::string_view name, double size);

}  // namespace orvalis::xlsx
