#include "platform/text_encoding.h"

#include "platform/cp949.h"

namespace orvalis {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 sequence at `at`, or 0 when there is none.
std::size_t ValidSequenceAt(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned lead = byte(at);
    std::size_t length = lead < 0x80             ? 1
                         : (lead & 0xE0) == 0xC0 ? 2
                         : (lead & 0xF0) == 0xE0 ? 3
                         : (lead & 0xF8) == 0xF0 ? 4
                                                 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    unsigned code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    constexpr unsigned kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = ValidSequenceAt(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string DecodeIncomingText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return RepairUtf8(Cp949ToUtf8(bytes));
}

std::string RepairUtf8(std::string_view text) {
    std::string repaired;
    repaired.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = ValidSequenceAt(text, at);
        if (length == 0) {
            repaired += kReplacement;
            ++at;
        } else {
            repaired.append(text.substr(at, length));
            at += length;
        }
    }
    return repaired;
}

}  // namespace orvalis
