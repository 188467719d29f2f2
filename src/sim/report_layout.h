#pragma once

#include <string>
#include <string_view>

namespace orvalis::sim {

// The fixed layout of the host's printed reports. Readers take keys and values
// by character position, so these lines must never shift:
//   "DIAMETER  : 10"          key left-justified in 9 columns, " : ", value
//   "TIP-RADIUS : 1"          a longer key pushes the value right by its excess
//   "TYPE  :  ENDMILL"        type lines

// Appends "KEY       : value" and CR LF to `out`.
void AppendParameterLine(std::string& out, std::string_view key, std::string_view value);
// As above with the value in its general number form ("0.5", "10", "-12.35").
void AppendParameterLine(std::string& out, std::string_view key, double value);
// Appends "TYPE  :  WORD" and CR LF.
void AppendTypeLine(std::string& out, std::string_view word);
// Appends the line as it is and CR LF.
void AppendLine(std::string& out, std::string_view line);

// `value` with `decimals` digits after the point, right-justified in `width`
// characters ("%*.*f"); wider texts are not cut, so callers keep the values in range.
std::string FixedNumber(double value, int decimals, int width);

// A duration as the host's statistics form shows it: "HH:MM:SS".
std::string DurationText(double seconds);

}  // namespace orvalis::sim
