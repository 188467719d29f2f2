#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis::xlsx {

// A picture as rows of 8-bit red, green, blue, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3
};

// Reads a Windows bitmap as the host's view capture writes it: 24-bit, and
// also 32-bit, 16-bit and 1/4/8-bit palette pictures, stored bottom-up or
// top-down, uncompressed or with bit-field masks. Throws WorkbookError naming
// `origin` for anything else or a damaged file.
RgbImage DecodeBmp(std::string_view bytes, const std::string& origin);

}  // namespace orvalis::xlsx
