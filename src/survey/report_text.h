#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis::survey {

// Reading the host's printed answers: lines split at CR LF, character
// positions counted from 1 as the host's report columns are, blanks trimmed.
// Positions count UTF-8 characters, so a name with Korean letters before a
// column does not shift it.

// The lines of an answer. An answer that ends in CR LF has an empty last line.
std::vector<std::string_view> SplitLines(std::string_view answer);

// The text without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

// The first `count` characters of a line (the whole line when it is shorter).
std::string_view FirstCharacters(std::string_view line, std::size_t count);

// The line from its `position`-th character (1-based) to its end; empty when
// the line is shorter.
std::string_view FromCharacter(std::string_view line, std::size_t position);

// The value text of a report line: the line from its `position`-th character,
// blanks trimmed.
std::string ValueFrom(std::string_view line, std::size_t position);

// The text without its last `count` characters; empty when it is shorter.
std::string_view WithoutLastCharacters(std::string_view text, std::size_t count);

// How many characters the text has.
std::size_t CharacterCount(std::string_view text);

}  // namespace orvalis::survey
