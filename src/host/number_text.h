#pragma once

#include <string>

namespace orvalis::host {

// The general text form of a double, as the host and the labels expect it:
// at most 15 significant digits, "." as decimal point, no trailing zeros,
// "-" only for negative values, exponent form ("1E-05", "1E+15") only for very
// small or very large magnitudes. Used for every number put into a command line
// or a transcript.
std::string NumberText(double value);

}  // namespace orvalis::host
