#include "survey/report_text.h"

namespace orvalis::survey {

namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The byte offset of the character after the first `count` characters.
std::size_t OffsetAfter(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < text.size(); ++taken) {
        ++at;
        while (at < text.size() && IsContinuationByte(text[at])) ++at;
    }
    return at;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view answer) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = answer.find("\r\n", start)) != std::string_view::npos;
         start = end + 2) {
        lines.push_back(answer.substr(start, end - start));
    }
    lines.push_back(answer.substr(start));
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view FirstCharacters(std::string_view line, std::size_t count) {
    return line.substr(0, OffsetAfter(line, count));
}

std::string_view FromCharacter(std::string_view line, std::size_t position) {
    if (position == 0) return line;
    return line.substr(OffsetAfter(line, position - 1));
}

std::string ValueFrom(std::string_view line, std::size_t position) {
    return std::string(TrimBlanks(FromCharacter(line, position)));
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char byte : text) count += IsContinuationByte(byte) ? 0 : 1;
    return count;
}

std::string_view WithoutLastCharacters(std::string_view text, std::size_t count) {
    std::size_t characters = CharacterCount(text);
    if (characters <= count) return {};
    return text.substr(0, OffsetAfter(text, characters - count));
}

}  // namespace orvalis::survey
