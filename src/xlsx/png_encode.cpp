#include "xlsx/png_encode.h"

#include <png.h>

#include <memory>

#include "xlsx/workbook_error.h"

namespace orvalis::xlsx {

std::string EncodePng(const RgbImage& image, const std::string& origin) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    // The views are line drawings on white: they compress well even when
    // the encoder favours speed.
    png.flags = PNG_IMAGE_FLAG_FAST;

    // Room for the worst case, left uninitialised: only the pages the
    // encoder writes are ever touched.
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
    auto buffer = std::make_unique_for_overwrite<char[]>(size);
    if (!png_image_write_to_memory(&png, buffer.get(), &size, 0, image.pixels.data(), 0, nullptr)) {
        std::string reason = png.message;
        png_image_free(&png);
        throw WorkbookError(origin, "그림을 변환할 수 없습니다: " + reason);
    }
    return std::string(buffer.get(), size);
}

}  // namespace orvalis::xlsx
