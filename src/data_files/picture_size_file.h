#pragma once

#include <array>
#include <optional>
#include <string>

namespace orvalis::settings {

// Width and height of the TOP, ISO, Front and Right pictures, as typed.
using PictureSizeTexts = std::array<std::string, 8>;

std::string PictureSizeFilePath();

struct PictureSizeRead {
    // The last complete group of eight fields; nothing when the file held none.
    std::optional<PictureSizeTexts> sizes;
    // False when the file is missing or ended inside a group: the settings
    // window then stops its load there and leaves the extension unread.
    bool complete = false;
};

PictureSizeRead ReadPictureSizes();

// Replaces the file with one line of the eight texts. Throws FileError.
void WritePictureSizes(const PictureSizeTexts& sizes);

}  // namespace orvalis::settings
