#include "sheet/png_encode.h"

#include <png.h>

#include "sheet/workbook_error.h"

namespace orvalis::sheet {

std::string EncodePng(const RgbImage& image, const std::string& origin) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    // The views are line drawings on white: they compress well even when
    // the encoder favours speed.
    png.flags = PNG_IMAGE_FLAG_FAST;

    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, image.pixels.data(), 0, nullptr)) {
        std::string reason = png.message;
        png_image_free(&png);
        throw WorkbookError(origin, "cannot convert the picture: " + reason);
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace orvalis::sheet
