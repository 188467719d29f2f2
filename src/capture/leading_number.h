#pragma once

#include <string_view>

namespace orvalis::capture {

// The number a box's text begins with, read with "." as decimal point:
// "12abc" gives 12, "-12." gives -12, " 37.5" gives 37.5, "1.5E2" gives 150;
// an empty text or one that does not begin with a number gives 0.
double LeadingNumber(std::string_view text);

// Whether a box may hold `text` as a limit: a number as LeadingNumber reads
// it and nothing after it, blanks around it allowed, or the start of one
// while it is typed ("", "-", "12.", "1E-"). "-12.5mm", "12abc", "1,5" are
// not, nor a number a double cannot hold ("1E999", "1E-400").
bool IsLimitText(std::string_view text);

}  // namespace orvalis::capture
