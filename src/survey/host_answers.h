#pragma once

#include <string>
#include <string_view>

namespace orvalis::survey {

// The single-value answers of the survey.

// The machining time: the answer to "PRINT FORMVALUE ToolpathStats.Time"
// without its line end (its last two characters). Throws ReportError when the
// answer is shorter than that.
std::string MachiningTimeFrom(std::string_view answer);

// The lowest point: the answer to "SIZE TOOLPATH" prints it on its second
// line from the 47th character; written as "###0.0#". Throws ReportError when
// the answer has no second line.
std::string LowestPointFrom(std::string_view answer);

// The first line of an answer, as it is (the active tool's name, the
// roughing step-down).
std::string FirstLineOf(std::string_view answer);

}  // namespace orvalis::survey
