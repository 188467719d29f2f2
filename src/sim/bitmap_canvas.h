#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvalis::sim {

struct Rgb8 {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

// A picture the host draws lines into and keeps as a Windows bitmap file:
// 24 bits per pixel, rows stored bottom row first, each padded to four bytes.
// The file is built in place, so keeping it copies nothing.
class BitmapCanvas {
  public:
    BitmapCanvas(int width, int height, Rgb8 background);

    int width() const { return width_; }
    int height() const { return height_; }

    // A line two pixels wide between two points in pixels (x right, y down,
    // pixel centres on whole numbers); what lies outside the picture is cut off.
    void Line(double x0, double y0, double x1, double y1, Rgb8 ink);
    Rgb8 Pixel(int x, int y) const;

    // The whole bitmap file.
    const std::string& File() const { return file_; }

  private:
    void Plot(int x, int y, Rgb8 ink);
    std::size_t Offset(int x, int y) const;

    int width_;
    int height_;
    std::size_t stride_;
    std::string file_;
};

}  // namespace orvalis::sim
