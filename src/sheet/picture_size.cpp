#include "sheet/picture_size.h"

#include <charconv>
#include <cmath>
#include <string>

#include "sheet/sheet_error.h"

namespace orvalis::sheet {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<double> DecimalNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    // Only digits may start it: from_chars would also take "inf" and "nan".
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

double RoundHalfEven(double value) {
    double lower = std::floor(value);
    double fraction = value - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::optional<int> WholePoints(std::string_view text) {
    std::optional<double> number = DecimalNumber(text);
    if (!number) return std::nullopt;
    double whole = RoundHalfEven(*number);
    if (whole < 1 || whole > kLargestPictureSize) return std::nullopt;
    return static_cast<int>(whole);
}

std::array<int, 8> PictureSizesInPoints(const settings::PictureSizeTexts& boxes) {
    std::array<int, 8> sizes{};
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        std::optional<int> size = WholePoints(boxes[box]);
        if (!size) {
            throw SheetError(SheetError::Kind::kPictureSize, boxes[box],
                             "the picture size \"" + boxes[box] + "\" is no usable number",
                             static_cast<int>(box));
        }
        sizes[box] = *size;
    }
    return sizes;
}

}  // namespace orvalis::sheet
