#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "data_files/picture_size_file.h"

namespace orvalis::sheet {

// The nearest whole number, a half going to the even neighbour
// (120.5 -> 120, 121.5 -> 122).
double RoundHalfEven(double value);

inline constexpr int kLargestPictureSize = 32767;

// The whole number of points a size box holds: a decimal number, blanks
// around it allowed, rounded halves to even. Nothing when the text is no
// number or the size is not between 1 and kLargestPictureSize.
std::optional<int> WholePoints(std::string_view text);

// The eight sizes in the order of the boxes. Throws SheetError (kPictureSize)
// naming the first box that holds no usable size.
std::array<int, 8> PictureSizesInPoints(const settings::PictureSizeTexts& boxes);

}  // namespace orvalis::sheet
