#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvalis::survey {

// Numbers as the host prints them in its reports: a point as the decimal
// separator, the whole text (blanks already removed) being the number.

// The number a text holds, or nothing when it is not a finite number.
std::optional<double> ReadNumber(std::string_view text);

// A tool length rounded to a whole number, a half going to the even
// neighbour (99.5 gives 100, 100.5 gives 100); nothing when the text is not a
// number or too large to write as a whole number.
std::optional<std::string> LengthAsWholeNumber(std::string_view text);

// An overhang as the next whole number up, a value that is whole already
// staying as it is (35 gives 35, 35.2 gives 36); nothing as above.
std::optional<std::string> OverhangAsWholeNumber(std::string_view text);

// The lowest point written as "###0.0#": at least one integer digit, one or
// two decimals, halves rounded away from zero on the printed decimals (5 gives
// 5.0, -12.3456 gives -12.35). A text that is not a number is shown as it is.
std::string LowestPointText(std::string_view text);

}  // namespace orvalis::survey
