#include "xlsx/cell_text.h"

#include <cstdio>

#include "platform/text_encoding.h"
#include "xlsx/xml_part.h"

namespace orvalis::xlsx {

namespace {

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// True when `text` holds "_xHHHH_" at `at`.
bool IsCodeAt(std::string_view text, std::size_t at) {
    if (at + 7 > text.size() || text[at] != '_' || text[at + 1] != 'x' || text[at + 6] != '_') {
        return false;
    }
    for (std::size_t i = at + 2; i < at + 6; ++i) {
        if (!IsHex(text[i])) return false;
    }
    return true;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendRunText(pugi::xml_node run, std::string& text) {
    for (pugi::xml_node child : run.children()) {
        if (LocalName(child.name()) == "t") text += child.text().get();
    }
}

// U+FFFE and U+FFFF are valid UTF-8 but no XML character.
bool IsNonCharacterAt(std::string_view text, std::size_t at) {
    return at + 2 < text.size() && text[at] == '\xEF' && text[at + 1] == '\xBF' &&
           (text[at + 2] == '\xBE' || text[at + 2] == '\xBF');
}

}  // namespace

std::string EscapeCellText(std::string_view unchecked) {
    // The host's answers and the grid file are decoded where they come in;
    // this keeps anything that slipped past from breaking the sheet's XML.
    const std::string text = RepairUtf8(unchecked);
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n') {  // a stored CR would read back as LF
            char code[8];
            std::snprintf(code, sizeof code, "_x%04X_", c);
            stored += code;
        } else if (IsNonCharacterAt(text, i)) {
            stored += text[i + 2] == '\xBE' ? "_xFFFE_" : "_xFFFF_";
            i += 2;
        } else if (IsCodeAt(text, i)) {
            stored += "_x005F_";
        } else {
            stored += text[i];
        }
    }
    return stored;
}

std::string UnescapeCellText(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (IsCodeAt(stored, i)) {
            AppendUtf8(text, static_cast<unsigned>(
                                 std::stoul(std::string(stored.substr(i + 2, 4)), nullptr, 16)));
            i += 6;
        } else {
            text += stored[i];
        }
    }
    return text;
}

std::string StringItemText(pugi::xml_node item) {
    std::string text;
    for (pugi::xml_node child : item.children()) {
        std::string_view name = LocalName(child.name());
        if (name == "t") text += child.text().get();
        if (name == "r") AppendRunText(child, text);
    }
    return UnescapeCellText(text);
}

}  // namespace orvalis::xlsx
