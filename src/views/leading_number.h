#pragma once

#include <string_view>

namespace orvalis::views {

// The number a box's text begins with, read with "." as decimal point:
// "12abc" gives 12, "-12." gives -12, " 37.5" gives 37.5, "1.5E2" gives 150;
// an empty text or one that does not begin with a number gives 0.
double LeadingNumber(std::string_view text);

}  // namespace orvalis::views
