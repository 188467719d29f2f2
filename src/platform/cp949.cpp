#include "platform/cp949.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <cerrno>
#include <optional>
#include <stdexcept>
#include <utility>

namespace orvalis {

namespace {

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

#ifndef _WIN32

// One open conversion, closed with the thread.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; on a byte sequence it cannot convert, appends
    // `replacement` and skips `skip(remaining input)` bytes.
    template <typename Skip>
    std::string Convert(std::string_view input, std::string_view replacement, Skip skip) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // reset shift state
        std::string output;
        output.reserve(input.size() * 2);
        char* in = const_cast<char*>(input.data());
        std::size_t in_left = input.size();
        char buffer[1024];
        while (in_left > 0) {
            char* out = buffer;
            std::size_t out_left = sizeof buffer;
            std::size_t result = iconv(handle_, &in, &in_left, &out, &out_left);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            // EILSEQ (invalid) or EINVAL (cut off at the end): replace and move on.
            output.append(replacement);
            std::size_t step = std::min(in_left, skip(std::string_view(in, in_left)));
            in += step;
            in_left -= step;
        }
        return output;
    }

  private:
    iconv_t handle_;
};

#endif

std::size_t Utf8SequenceLength(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 1;
    // Never skip past bytes that do not continue the sequence.
    std::size_t taken = 1;
    while (taken < length && taken < text.size() &&
           (static_cast<unsigned char>(text[taken]) & 0xC0) == 0x80) {
        ++taken;
    }
    return taken;
}

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

#ifdef _WIN32

namespace {

// Windows: the conversion functions with code page 949 named explicitly (the
// ANSI code page may be anything), applied so that the result is byte for
// byte iconv's: what iconv rejects becomes U+FFFD (one per byte) or "?"
// exactly as off Windows.

constexpr UINT kCodePage949 = 949;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of one double-byte pair, or nothing when code page 949 has
// none there.
// The user-defined rows 0xC9 and 0xFE are private-use characters on
// Windows; iconv has none there, so neither has this.
bool IsUserDefinedRow(char lead) {
    return static_cast<unsigned char>(lead) == 0xC9 || static_cast<unsigned char>(lead) == 0xFE;
}

std::optional<wchar_t> DecodePair(char lead, char trail) {
    if (IsUserDefinedRow(lead)) return std::nullopt;
    char pair[2] = {lead, trail};
    wchar_t wide[2] = {};
    int n = MultiByteToWideChar(kCodePage949, MB_ERR_INVALID_CHARS, pair, 2, wide, 2);
    if (n != 1) return std::nullopt;
    return wide[0];
}

// The code page 949 bytes of one character, or nothing when it has none.
std::optional<std::string> EncodeChar(char32_t c) {
    wchar_t wide[2];
    int length = 1;
    if (c >= 0x10000) {
        wide[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        wide[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        length = 2;
    } else {
        wide[0] = static_cast<wchar_t>(c);
    }
    char bytes[8];
    BOOL used_default = FALSE;
    int n = WideCharToMultiByte(kCodePage949, WC_NO_BEST_FIT_CHARS, wide, length, bytes,
                                sizeof bytes, nullptr, &used_default);
    if (n <= 0 || used_default || (n == 2 && IsUserDefinedRow(bytes[0]))) return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(n));
}

// One UTF-8 character at the start of `text` as iconv reads it: shortest
// form, no surrogates, at most U+10FFFF. Nothing when it is invalid.
std::optional<std::pair<char32_t, std::size_t>> DecodeUtf8(std::string_view text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80) return std::pair<char32_t, std::size_t>{lead, 1};
    std::size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return std::pair<char32_t, std::size_t>{c, length};
}

}  // namespace

std::string Cp949ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            out += bytes[i++];
            continue;
        }
        std::optional<wchar_t> c;
        if (IsLeadByte(byte) && i + 1 < bytes.size()) c = DecodePair(bytes[i], bytes[i + 1]);
        if (c) {
            AppendUtf8(out, static_cast<char32_t>(*c));
            i += 2;
        } else {
            out += "\xEF\xBF\xBD";
            i += 1;
        }
    }
    return out;
}

std::string Utf8ToCp949(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += utf8[i++];
            continue;
        }
        auto decoded = DecodeUtf8(utf8.substr(i));
        if (!decoded) {
            out += '?';
            i += std::min(utf8.size() - i, Utf8SequenceLength(utf8.substr(i)));
            continue;
        }
        auto bytes = EncodeChar(decoded->first);
        out += bytes ? *bytes : std::string("?");
        i += decoded->second;
    }
    return out;
}

#else

std::string Cp949ToUtf8(std::string_view bytes) {
    thread_local Converter converter("UTF-8", "CP949");
    return converter.Convert(bytes, "\xEF\xBF\xBD",
                             [](std::string_view) { return std::size_t{1}; });
}

std::string Utf8ToCp949(std::string_view utf8) {
    thread_local Converter converter("CP949", "UTF-8");
    return converter.Convert(utf8, "?", Utf8SequenceLength);
}

#endif

std::size_t Cp949CutLength(std::string_view bytes, std::size_t limit) {
    if (bytes.size() <= limit) return bytes.size();
    std::size_t position = 0;
    while (position < limit) {
        std::size_t width = IsLeadByte(static_cast<unsigned char>(bytes[position])) ? 2 : 1;
        if (position + width > limit) break;
        position += width;
    }
    return position;
}

bool Cp949EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace orvalis
