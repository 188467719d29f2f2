#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvalis::host {

// The host's commands put entity names between single quotes and know no
// escape: a quote inside a name ends it early and lets the rest of the name
// run as commands of its own, and a line break or any other control
// character splits or ends the command line. A name holding one is never
// sent: one the user typed is refused, one the host lists is left out.

// The first control character of `text` (below 0x20, or DEL).
std::optional<char> ControlCharacter(std::string_view text);

// The first character of `name` that cannot stand between the quotes: a
// single quote or a control character. Nothing when the name can be sent.
std::optional<char> UnquotableCharacter(std::string_view name);

// Why `name` cannot be sent, naming what it is, the name and its character,
// e.g. "툴패스 이름 'A'B'에 작은따옴표(')가 있어 파워밀 명령에 넣을 수
// 없습니다" for ("툴패스 이름", "A'B"); empty when it can be sent.
std::string UnquotableNameProblem(std::string_view what, std::string_view name);

// The text with its control characters written as \n, \r, \t or \xNN, so a
// message naming it stays one line.
std::string ShownText(std::string_view text);

}  // namespace orvalis::host
