#include "sim/bitmap_canvas.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace orvalis::sim {

namespace {

constexpr std::size_t kHeaderSize = 54;  // file header 14, info header 40

void PutLittleEndian(std::string& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Cuts the segment to the rectangle [low, high] in x and y (Liang-Barsky);
// false when nothing of it is left.
bool Clip(double& x0, double& y0, double& x1, double& y1, double low, double high_x,
          double high_y) {
    double t0 = 0, t1 = 1;
    double dx = x1 - x0, dy = y1 - y0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - low, high_x - x0, y0 - low, high_y - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    double sx = x0, sy = y0;
    x0 = sx + t0 * dx;
    y0 = sy + t0 * dy;
    x1 = sx + t1 * dx;
    y1 = sy + t1 * dy;
    return true;
}

}  // namespace

BitmapCanvas::BitmapCanvas(int width, int height, Rgb8 background)
    : width_(width), height_(height), stride_((static_cast<std::size_t>(width) * 3 + 3) / 4 * 4) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("a picture needs pixels");
    std::size_t pixel_bytes = stride_ * static_cast<std::size_t>(height);
    file_.assign(kHeaderSize + pixel_bytes, '\0');
    file_[0] = 'B';
    file_[1] = 'M';
    PutLittleEndian(file_, 2, static_cast<std::uint32_t>(file_.size()), 4);
    PutLittleEndian(file_, 10, static_cast<std::uint32_t>(kHeaderSize), 4);
    PutLittleEndian(file_, 14, 40, 4);
    PutLittleEndian(file_, 18, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(file_, 22, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up
    PutLittleEndian(file_, 26, 1, 2);                                   // planes
    PutLittleEndian(file_, 28, 24, 2);                                  // bits per pixel
    PutLittleEndian(file_, 34, static_cast<std::uint32_t>(pixel_bytes), 4);
    PutLittleEndian(file_, 38, 2835, 4);  // 72 dots per inch
    PutLittleEndian(file_, 42, 2835, 4);
    // One row painted, then copied: a picture is filled in a blink.
    for (int x = 0; x < width; ++x) Plot(x, 0, background);
    std::string row = file_.substr(Offset(0, 0), stride_);
    for (int y = 1; y < height; ++y) file_.replace(Offset(0, y), stride_, row);
}

std::size_t BitmapCanvas::Offset(int x, int y) const {
    return kHeaderSize + static_cast<std::size_t>(height_ - 1 - y) * stride_ +
           static_cast<std::size_t>(x) * 3;
}

void BitmapCanvas::Plot(int x, int y, Rgb8 ink) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    std::size_t at = Offset(x, y);
    file_[at] = static_cast<char>(ink.blue);
    file_[at + 1] = static_cast<char>(ink.green);
    file_[at + 2] = static_cast<char>(ink.red);
}

Rgb8 BitmapCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel");
    std::size_t at = Offset(x, y);
    return {static_cast<std::uint8_t>(file_[at + 2]), static_cast<std::uint8_t>(file_[at + 1]),
            static_cast<std::uint8_t>(file_[at])};
}

void BitmapCanvas::Line(double x0, double y0, double x1, double y1, Rgb8 ink) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) {
        return;
    }
    if (!Clip(x0, y0, x1, y1, -2.0, width_ + 1.0, height_ + 1.0)) return;
    int x = static_cast<int>(std::lround(x0)), y = static_cast<int>(std::lround(y0));
    const int end_x = static_cast<int>(std::lround(x1)), end_y = static_cast<int>(std::lround(y1));
    const int dx = std::abs(end_x - x), dy = -std::abs(end_y - y);
    const int step_x = x < end_x ? 1 : -1, step_y = y < end_y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        // A two-by-two pen: lines stay readable when the picture is shrunk.
        Plot(x, y, ink);
        Plot(x + 1, y, ink);
        Plot(x, y + 1, ink);
        Plot(x + 1, y + 1, ink);
        if (x == end_x && y == end_y) break;
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += step_x;
        }
        if (twice <= dx) {
            error += dx;
            y += step_y;
        }
    }
}

}  // namespace orvalis::sim
