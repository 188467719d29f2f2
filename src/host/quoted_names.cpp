#include "host/quoted_names.h"

#include <cstdio>

namespace orvalis::host {

namespace {

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::string HexCode(char c) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(c)));
    return code;
}

// The character as a shop user reads it in a message.
std::string CharacterName(char c) {
    switch (c) {
        case '\'':
            return "작은따옴표(')";
        case '\n':
            return "줄바꿈 문자(LF)";
        case '\r':
            return "줄바꿈 문자(CR)";
        case '\t':
            return "탭 문자";
        default:
            return "제어 문자(" + HexCode(c) + ")";
    }
}

}  // namespace

std::optional<char> ControlCharacter(std::string_view text) {
    for (char c : text) {
        if (IsControl(c)) return c;
    }
    return std::nullopt;
}

std::optional<char> UnquotableCharacter(std::string_view name) {
    for (char c : name) {
        if (c == '\'' || IsControl(c)) return c;
    }
    return std::nullopt;
}

std::string UnquotableNameProblem(std::string_view what, std::string_view name) {
    auto character = UnquotableCharacter(name);
    if (!character) return "";
    return std::string(what) + " '" + ShownText(name) + "'에 " + CharacterName(*character) +
           "가 있어 파워밀 명령에 넣을 수 없습니다";
}

std::string ShownText(std::string_view text) {
    std::string shown;
    for (char c : text) {
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (IsControl(c)) {
            shown += "\\x" + HexCode(c).substr(2);
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace orvalis::host
