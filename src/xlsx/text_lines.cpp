#include "xlsx/text_lines.h"

#include <algorithm>

namespace orvalis::xlsx {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The width of a word in digit widths.
int WordWidth(std::string_view word) {
    int width = 0;
    for (char c : word) {
        if (!IsContinuationByte(c)) width += static_cast<unsigned char>(c) < 0x80 ? 1 : 2;
    }
    return width;
}

}  // namespace

int WrappedLines(std::string_view text, double width, const FontMetrics& font) {
    double digit = font.max_digit_width * kPointsPerPixel;
    // Less the cell's margins and an indent; at least two digits a line, so
    // a narrow box still ends.
    int room = std::max(2, static_cast<int>(width / digit) - 3);
    int lines = 1;
    int used = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = std::min(text.find(' ', start), text.size());
        int word = WordWidth(text.substr(start, end - start));
        start = end + 1;
        if (used > 0 && used + 1 + word <= room) {
            used += 1 + word;
            continue;
        }
        if (used > 0) ++lines;
        for (; word > room; word -= room) ++lines;
        used = word;
    }
    return lines;
}

}  // namespace orvalis::xlsx
