#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvalis::testing {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour of pixel (x, y), y = 0 being the top row.
using PixelColor = std::function<Rgb(int x, int y)>;

// A Windows bitmap of 24 or 32 bits per pixel, stored bottom-up (as the host
// writes them) or top-down.
std::string MakeBmp(int width, int height, int bits, bool top_down, const PixelColor& color);

// An 8-bit palette bitmap, stored bottom-up.
std::string MakePaletteBmp(int width, int height, const std::vector<Rgb>& palette,
                           const std::function<int(int x, int y)>& index);

// A view like the host captures: white, with a frame and a few dark lines.
std::string LineDrawingBmp(int width, int height);

}  // namespace orvalis::testing
