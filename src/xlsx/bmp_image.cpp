#include "xlsx/bmp_image.h"

#include <array>
#include <bit>

#include "xlsx/workbook_error.h"

namespace orvalis::xlsx {

namespace {

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// One channel of a 16- or 32-bit pixel, widened to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t channel_mask = 0) : mask(channel_mask) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask >> shift);
    }
    std::uint8_t Of(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
        std::uint32_t max = (1u << bits) - 1;
        return static_cast<std::uint8_t>((value * 255 + max / 2) / max);
    }
};

struct Layout {
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative: top row first
    int bits = 0;
    std::uint32_t compression = kUncompressed;
    std::size_t palette_at = 0;
    std::size_t palette_entry = 4;  // 3 for the oldest header
    std::size_t palette_size = 0;
    std::array<Channel, 3> channels;
    std::size_t pixels_at = 0;
};

class Reader {
  public:
    Reader(std::string_view bytes, const std::string& origin) : bytes_(bytes), origin_(origin) {}

    std::uint32_t U32(std::size_t at) const {
        Need(at + 4);
        return Byte(at) | Byte(at + 1) << 8 | Byte(at + 2) << 16 | Byte(at + 3) << 24;
    }
    std::uint16_t U16(std::size_t at) const {
        Need(at + 2);
        return static_cast<std::uint16_t>(Byte(at) | Byte(at + 1) << 8);
    }
    std::uint32_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    void Need(std::size_t end) const {
        if (end > bytes_.size()) Fail("비트맵이 중간에 끊겼습니다");
    }
    [[noreturn]] void Fail(const std::string& reason) const {
        throw WorkbookError(origin_, reason);
    }
    std::size_t size() const { return bytes_.size(); }
    const char* data() const { return bytes_.data(); }

  private:
    std::string_view bytes_;
    const std::string& origin_;
};

void ReadMasks(const Reader& in, std::size_t at, Layout& layout) {
    layout.channels = {Channel(in.U32(at)), Channel(in.U32(at + 4)), Channel(in.U32(at + 8))};
}

void SetDefaultMasks(Layout& layout) {
    if (layout.bits == 16) {
        layout.channels = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
    } else {
        layout.channels = {Channel(0xFF0000), Channel(0xFF00), Channel(0xFF)};
    }
}

Layout ReadLayout(const Reader& in) {
    if (in.size() < 2 || in.Byte(0) != 'B' || in.Byte(1) != 'M') in.Fail("not a bitmap");
    Layout layout;
    layout.pixels_at = in.U32(10);
    std::uint32_t header = in.U32(14);
    if (header == 12) {
        layout.width = in.U16(18);
        layout.height = in.U16(20);
        layout.bits = in.U16(24);
        layout.palette_entry = 3;
    } else if (header >= 40) {
        layout.width = static_cast<std::int32_t>(in.U32(18));
        layout.height = static_cast<std::int32_t>(in.U32(22));
        layout.bits = in.U16(28);
        layout.compression = in.U32(30);
        layout.palette_size = in.U32(46);
    } else {
        in.Fail("unknown bitmap header");
    }
    layout.palette_at = 14 + header;
    bool masks = layout.compression == kBitFields || layout.compression == kAlphaBitFields;
    if (layout.compression != kUncompressed && !masks)
        in.Fail("compressed bitmaps are not supported");
    if (masks && header >= 52) ReadMasks(in, 14 + 40, layout);
    if (masks && header == 40) {
        ReadMasks(in, 14 + 40, layout);
        layout.palette_at += layout.compression == kAlphaBitFields ? 16 : 12;
    }
    if (!masks && (layout.bits == 16 || layout.bits == 32)) SetDefaultMasks(layout);
    return layout;
}

void CheckLayout(const Reader& in, Layout& layout) {
    bool known = layout.bits == 1 || layout.bits == 4 || layout.bits == 8 || layout.bits == 16 ||
                 layout.bits == 24 || layout.bits == 32;
    if (!known) in.Fail("bitmaps of " + std::to_string(layout.bits) + " bits are not supported");
    std::int64_t height = layout.height < 0 ? -std::int64_t(layout.height) : layout.height;
    if (layout.width <= 0 || height == 0 || layout.width * height > kMaxPixels) {
        in.Fail("비트맵의 크기를 쓸 수 없습니다");
    }
    if (layout.bits <= 8) {
        std::size_t full = std::size_t(1) << layout.bits;
        if (layout.palette_size == 0 || layout.palette_size > full) layout.palette_size = full;
        in.Need(layout.palette_at + layout.palette_size * layout.palette_entry);
    }
    std::size_t stride = ((std::size_t(layout.width) * layout.bits + 31) / 32) * 4;
    in.Need(layout.pixels_at + stride * static_cast<std::size_t>(height));
}

std::vector<Color> ReadPalette(const Reader& in, const Layout& layout) {
    std::vector<Color> palette(std::size_t(1) << (layout.bits <= 8 ? layout.bits : 0));
    for (std::size_t i = 0; i < layout.palette_size && i < palette.size(); ++i) {
        std::size_t at = layout.palette_at + i * layout.palette_entry;
        palette[i] = Color{static_cast<std::uint8_t>(in.Byte(at + 2)),
                           static_cast<std::uint8_t>(in.Byte(at + 1)),
                           static_cast<std::uint8_t>(in.Byte(at))};
    }
    return palette;  // entries past the stored ones stay black
}

// Decodes one stored row into `out` (width * 3 bytes).
void DecodeRow(const Reader& in, const Layout& layout, const std::vector<Color>& palette,
               std::size_t row_at, std::uint8_t* out) {
    if (layout.bits == 24) {  // the host's own format: only blue and red swap places
        const auto* stored = reinterpret_cast<const std::uint8_t*>(in.data()) + row_at;
        for (std::int32_t x = 0; x < layout.width; ++x, out += 3, stored += 3) {
            out[0] = stored[2];
            out[1] = stored[1];
            out[2] = stored[0];
        }
        return;
    }
    for (std::int32_t x = 0; x < layout.width; ++x, out += 3) {
        Color color;
        if (layout.bits == 32 || layout.bits == 16) {
            std::size_t at = row_at + std::size_t(x) * (layout.bits / 8);
            std::uint32_t pixel = layout.bits == 32 ? in.U32(at) : in.U16(at);
            color = Color{layout.channels[0].Of(pixel), layout.channels[1].Of(pixel),
                          layout.channels[2].Of(pixel)};
        } else {
            std::size_t bit = std::size_t(x) * layout.bits;
            std::uint32_t byte = in.Byte(row_at + bit / 8);
            std::uint32_t index = (byte >> (8 - layout.bits - bit % 8)) & ((1u << layout.bits) - 1);
            color = palette[index];
        }
        out[0] = color.red;
        out[1] = color.green;
        out[2] = color.blue;
    }
}

}  // namespace

RgbImage DecodeBmp(std::string_view bytes, const std::string& origin) {
    Reader in(bytes, origin);
    Layout layout = ReadLayout(in);
    CheckLayout(in, layout);
    std::vector<Color> palette = ReadPalette(in, layout);

    RgbImage image;
    image.width = layout.width;
    image.height = layout.height < 0 ? -layout.height : layout.height;
    image.pixels.resize(std::size_t(image.width) * image.height * 3);
    std::size_t stride = ((std::size_t(layout.width) * layout.bits + 31) / 32) * 4;
    for (int y = 0; y < image.height; ++y) {
        int stored_row = layout.height < 0 ? y : image.height - 1 - y;
        DecodeRow(in, layout, palette, layout.pixels_at + std::size_t(stored_row) * stride,
                  image.pixels.data() + std::size_t(y) * image.width * 3);
    }
    return image;
}

}  // namespace orvalis::xlsx
