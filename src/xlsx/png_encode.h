#pragma once

#include <string>

#include "xlsx/bmp_image.h"

namespace orvalis::xlsx {

// The picture as a PNG file (8-bit RGB). Throws WorkbookError naming `origin`
// when the encoder fails.
std::string EncodePng(const RgbImage& image, const std::string& origin);

}  // namespace orvalis::xlsx
