#include "sheet/test_bitmaps.h"

#include <cstdlib>

namespace orvalis::testing {

namespace {

void PutU16(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& out, std::size_t at, std::uint32_t value) {
    PutU16(out, at, value & 0xFFFF);
    PutU16(out, at + 2, value >> 16);
}

// File and info headers (54 bytes) for a bitmap of `palette` colours.
std::string Headers(int width, int height, int bits, bool top_down, std::size_t palette,
                    std::size_t pixel_bytes) {
    std::string out(54, '\0');
    std::size_t offset = 54 + palette * 4;
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(offset + pixel_bytes));
    PutU32(out, 10, static_cast<std::uint32_t>(offset));
    PutU32(out, 14, 40);
    PutU32(out, 18, static_cast<std::uint32_t>(width));
    PutU32(out, 22, static_cast<std::uint32_t>(top_down ? -height : height));
    PutU16(out, 26, 1);
    PutU16(out, 28, static_cast<std::uint32_t>(bits));
    PutU32(out, 46, static_cast<std::uint32_t>(palette));
    return out;
}

std::size_t Stride(int width, int bits) {
    return ((std::size_t(width) * bits + 31) / 32) * 4;
}

}  // namespace

std::string MakeBmp(int width, int height, int bits, bool top_down, const PixelColor& color) {
    std::size_t stride = Stride(width, bits);
    std::string out = Headers(width, height, bits, top_down, 0, stride * height);
    std::string pixels(stride * height, '\0');
    for (int y = 0; y < height; ++y) {
        std::size_t row = std::size_t(top_down ? y : height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            Rgb c = color(x, y);
            std::size_t at = row + std::size_t(x) * (bits / 8);
            pixels[at] = static_cast<char>(c.blue);
            pixels[at + 1] = static_cast<char>(c.green);
            pixels[at + 2] = static_cast<char>(c.red);
            if (bits == 32) pixels[at + 3] = static_cast<char>(0xFF);
        }
    }
    return out + pixels;
}

std::string MakePaletteBmp(int width, int height, const std::vector<Rgb>& palette,
                           const std::function<int(int x, int y)>& index) {
    std::size_t stride = Stride(width, 8);
    std::string out = Headers(width, height, 8, false, palette.size(), stride * height);
    for (const Rgb& c : palette) {
        out += static_cast<char>(c.blue);
        out += static_cast<char>(c.green);
        out += static_cast<char>(c.red);
        out += '\0';
    }
    std::string pixels(stride * height, '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[std::size_t(height - 1 - y) * stride + x] = static_cast<char>(index(x, y));
        }
    }
    return out + pixels;
}

std::string LineDrawingBmp(int width, int height) {
    return MakeBmp(width, height, 24, false, [=](int x, int y) {
        bool frame = x < 3 || y < 3 || x >= width - 3 || y >= height - 3;
        bool diagonal = std::abs(x * height / width - y) < 2;
        bool outline = (std::abs(x - width / 2) < 2 || std::abs(y - height / 3) < 2) &&
                       x > width / 5 && x < width * 4 / 5 && y > height / 5 && y < height * 4 / 5;
        return frame || diagonal || outline ? Rgb{20, 20, 20} : Rgb{255, 255, 255};
    });
}

}  // namespace orvalis::testing
