#include "platform/cp949.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace orvalis {

namespace {

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

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

std::string Cp949ToUtf8(std::string_view bytes) {
    thread_local Converter converter("UTF-8", "CP949");
    return converter.Convert(bytes, "\xEF\xBF\xBD",
                             [](std::string_view) { return std::size_t{1}; });
}

std::string Utf8ToCp949(std::string_view utf8) {
    thread_local Converter converter("CP949", "UTF-8");
    return converter.Convert(utf8, "?", Utf8SequenceLength);
}

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
