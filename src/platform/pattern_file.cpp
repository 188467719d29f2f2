#include "platform/pattern_file.h"

#include <charconv>
#include <cmath>

namespace orvalis {

namespace {

// Coordinates beyond this are a damaged file, not a drawing.
constexpr double kLargestCoordinate = 1e6;

[[noreturn]] void Fail(int line_number, const std::string& what) {
    throw PatternFileError("line " + std::to_string(line_number) + ": " + what);
}

std::string_view NextLine(std::string_view& text) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::vector<double> Numbers(std::string_view line, int line_number) {
    std::vector<double> numbers;
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ' || line[at] == '\t') {
            ++at;
            continue;
        }
        double value = 0;
        auto [end, error] = std::from_chars(line.data() + at, line.data() + line.size(), value);
        bool ends_word = end == line.data() + line.size() || *end == ' ' || *end == '\t';
        if (error != std::errc() || !ends_word || !std::isfinite(value) ||
            std::fabs(value) > kLargestCoordinate) {
            Fail(line_number, "not a coordinate");
        }
        numbers.push_back(value);
        at = static_cast<std::size_t>(end - line.data());
    }
    return numbers;
}

Polyline ReadPolyline(std::string_view line, int line_number) {
    std::vector<double> numbers = Numbers(line, line_number);
    if (numbers.size() % 3 != 0) Fail(line_number, "the coordinates are not x y z triples");
    if (numbers.size() < 6) Fail(line_number, "a line needs at least two points");
    Polyline polyline;
    polyline.reserve(numbers.size() / 3);
    for (std::size_t i = 0; i < numbers.size(); i += 3) {
        polyline.push_back({numbers[i], numbers[i + 1], numbers[i + 2]});
    }
    return polyline;
}

bool IsBlankOrComment(std::string_view line) {
    std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

std::vector<Polyline> ParsePatternFile(std::string_view text) {
    if (NextLine(text) != kPatternFileHeader) {
        Fail(1,
             "not a pattern file (it must begin with \"" + std::string(kPatternFileHeader) + "\")");
    }
    std::vector<Polyline> polylines;
    for (int line_number = 2; !text.empty(); ++line_number) {
        std::string_view line = NextLine(text);
        if (!IsBlankOrComment(line)) polylines.push_back(ReadPolyline(line, line_number));
    }
    return polylines;
}

}  // namespace orvalis
