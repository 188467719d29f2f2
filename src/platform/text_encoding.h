#pragma once

#include <string>
#include <string_view>

namespace orvalis {

// True when `text` is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Text that comes from outside (the host's answers, a grid file) as the
// program keeps it: UTF-8 stays as it is; anything else is read as code page
// 949, which the host speaks on Korean Windows; bytes that are neither
// become U+FFFD. The result is always valid UTF-8.
std::string DecodeIncomingText(std::string_view bytes);

// `text` with every byte that does not start a valid UTF-8 sequence
// replaced by U+FFFD: the last guard before text reaches a file.
std::string RepairUtf8(std::string_view text);

}  // namespace orvalis
