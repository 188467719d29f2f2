// The profile-file reader and writer on any file a person may have edited.
//
// The input is five lines and then the file: section, key and value to store,
// then the section and key of another entry. Storing must make the value read
// back (without surrounding blanks, line breaks turned to blanks) and must
// leave the other entry as it was.
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/cp949.h"
#include "platform/profile_file.h"

namespace {

using orvalis::fuzz::Require;

constexpr std::string_view kBlanks = " \t";

std::string_view NextLine(std::string_view& text) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

std::string_view Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Section and key names as the program uses them: one line, no blanks around
// them, nothing that would make the line read as a section, a comment or a
// different key.
bool UsableName(std::string_view name, char forbidden) {
    return !name.empty() && Trim(name) == name && name.find_first_of("\r\n") == name.npos &&
           name[0] != '[' && name[0] != ';' && name.find(forbidden) == name.npos;
}

std::string StoredForm(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return std::string(Trim(line));
}

// What the Windows-side buffers would return of a value, converted to UTF-8.
void ReadAsTheWindowsDo(const std::string& value) {
    for (std::size_t limit : {std::size_t{254}, std::size_t{1023}}) {
        std::size_t cut = orvalis::Cp949CutLength(value, limit);
        Require(cut <= limit && cut <= value.size(), "a value is cut within its buffer");
        orvalis::Utf8ToCp949(orvalis::Cp949ToUtf8(value.substr(0, cut)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string_view input = orvalis::fuzz::InputText(data, size);
    std::string_view section = NextLine(input);
    std::string_view key = NextLine(input);
    std::string_view value = NextLine(input);
    std::string_view other_section = NextLine(input);
    std::string_view other_key = NextLine(input);
    std::string_view file = input;

    auto before = orvalis::ProfileLookup(file, other_section, other_key);
    if (before) ReadAsTheWindowsDo(*before);
    if (!UsableName(section, ']') || !UsableName(key, '=')) return 0;

    std::string stored = orvalis::ProfileStore(file, section, key, value);
    Require(orvalis::ProfileLookup(stored, section, key) == StoredForm(value),
            "a stored value reads back");
    bool same_entry = orvalis::Cp949EqualsIgnoringCase(section, other_section) &&
                      orvalis::Cp949EqualsIgnoringCase(key, other_key);
    if (!same_entry) {
        Require(orvalis::ProfileLookup(stored, other_section, other_key) == before,
                "storing one entry leaves the others");
    }
    Require(orvalis::ProfileStore(stored, section, key, value) == stored,
            "storing the same value again changes nothing");
    return 0;
}
