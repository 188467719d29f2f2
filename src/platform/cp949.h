#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvalis {

// Settings and record files are bytes in the Korean code page 949; the
// program works in UTF-8. Neither direction ever fails: bytes that are not
// valid code page 949 become U+FFFD, and characters the code page cannot hold
// become "?".
std::string Cp949ToUtf8(std::string_view bytes);
std::string Utf8ToCp949(std::string_view utf8);

// The largest length <= limit at which `bytes` (code page 949) can be cut
// without splitting a double-byte character.
std::size_t Cp949CutLength(std::string_view bytes, std::size_t limit);

// Compares two code page 949 texts the way the profile functions compare
// section and key names: single-byte letters without regard to case,
// double-byte characters exactly (their trail bytes may look like letters).
bool Cp949EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace orvalis
