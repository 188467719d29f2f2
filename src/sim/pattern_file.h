#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sim/project.h"

namespace orvalis::sim {

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

}  // namespace orvalis::sim
