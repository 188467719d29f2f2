#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Pattern files: the glyphs the extent labels are built from (FONT\*.PIC),
// which the host inserts and the capture checks before it starts.

namespace orvalis {

// A point of a pattern, in the host's model units.
struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

using Polyline = std::vector<Point3>;

// A pattern file the host cannot read; the text names the line and the fault.
class PatternFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The first line of every pattern file.
inline constexpr std::string_view kPatternFileHeader = "ORVALIS PATTERN 1";

// Reads the items of a pattern file: after the header line, one polyline per
// line as blank-separated x y z triples (at least two points), lines
// beginning with "#" and empty lines skipped, LF or CR LF line ends.
std::vector<Polyline> ParsePatternFile(std::string_view text);

}  // namespace orvalis
