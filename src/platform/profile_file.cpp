#include "platform/profile_file.h"

#include <vector>

#include "platform/atomic_file.h"
#include "platform/cp949.h"
#include "platform/drive_paths.h"

namespace orvalis {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// One line of the file: its text and the line end that followed it.
struct Line {
    std::string_view text;
    std::string_view end;  // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> SplitLines(std::string_view file) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        std::size_t newline = file.find('\n', start);
        std::size_t next = newline == std::string_view::npos ? file.size() : newline + 1;
        std::size_t text_end = newline == std::string_view::npos ? file.size() : newline;
        if (text_end > start && file[text_end - 1] == '\r') --text_end;
        lines.push_back(
            {file.substr(start, text_end - start), file.substr(text_end, next - text_end)});
        start = next;
    }
    return lines;
}

// The name of a "[section]" line (tolerating a missing "]"), if it is one.
std::optional<std::string_view> SectionName(std::string_view text) {
    std::string_view line = Trim(text);
    if (line.empty() || line[0] != '[') return std::nullopt;
    std::size_t close = line.find(']');
    return Trim(
        line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view text) {
    std::string_view line = Trim(text);
    if (line.empty() || line[0] == ';') return std::nullopt;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Where a key stands in the file, or where it would be inserted.
struct Place {
    std::optional<std::size_t> section_line;  // the first "[section]" line of that name
    std::optional<std::size_t> key_line;      // the first line of the key in it
    std::size_t insert_at = 0;                // after the section's last non-blank line
};

Place Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i].text)) {
            if (place.section_line) break;  // the section ended
            if (Cp949EqualsIgnoringCase(*name, section)) {
                place.section_line = i;
                place.insert_at = i + 1;
            }
            continue;
        }
        if (!place.section_line) continue;
        if (!Trim(lines[i].text).empty()) place.insert_at = i + 1;
        auto entry = ParseKeyLine(lines[i].text);
        if (entry && Cp949EqualsIgnoringCase(entry->key, key)) {
            place.key_line = i;
            break;
        }
    }
    return place;
}

std::string_view WithoutBom(std::string_view file) {
    return file.substr(0, kUtf8Bom.size()) == kUtf8Bom ? file.substr(kUtf8Bom.size()) : file;
}

// A value or name must stay on its own line.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

std::string ProfileValueIn(std::string_view file, const std::string& section,
                           const std::string& key, std::size_t max_bytes) {
    auto value = ProfileLookup(file, Utf8ToCp949(section), Utf8ToCp949(key));
    if (!value) return "";
    return Cp949ToUtf8(value->substr(0, Cp949CutLength(*value, max_bytes)));
}

std::string ReadProfileValue(const std::string& section, const std::string& key,
                             const std::string& path, std::size_t max_bytes) {
    auto file = ReadFileBytes(ResolvePath(path));
    if (!file) return "";
    return ProfileValueIn(*file, section, key, max_bytes);
}

}  // namespace

std::optional<std::string> ProfileLookup(std::string_view file, std::string_view section,
                                         std::string_view key) {
    // ProfileStore keeps a UTF-8 mark that an editor put before the first
    // section, so the lookup must see past it as well.
    std::vector<Line> lines = SplitLines(WithoutBom(file));
    Place place = Locate(lines, section, key);
    if (!place.key_line) return std::nullopt;
    return std::string(ParseKeyLine(lines[*place.key_line].text)->value);
}

std::string ProfileStore(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value) {
    std::string_view bom = file.substr(0, file.size() - WithoutBom(file).size());
    std::vector<Line> lines = SplitLines(WithoutBom(file));
    Place place = Locate(lines, section, key);
    std::string entry = OneLine(key) + "=" + OneLine(value);

    std::string out(bom);
    auto append_lines = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            out.append(lines[i].text);
            // A line that gets a successor needs an end of its own.
            out.append(lines[i].end.empty() && i + 1 < lines.size() ? "\r\n" : lines[i].end);
        }
    };
    auto append_new_line = [&](const std::string& text) {
        // The last line may lack its end, or keep only the CR of one (a file
        // cut between CR and LF); either must be completed, or the line
        // would run into the new one.
        if (!out.empty() && out.back() == '\r') {
            out.append("\n");
        } else if (!out.empty() && out.back() != '\n') {
            out.append("\r\n");
        }
        out.append(text).append("\r\n");
    };

    if (place.key_line) {
        append_lines(0, *place.key_line);
        out.append(entry).append(lines[*place.key_line].end.empty() ? "\r\n"
                                                                    : lines[*place.key_line].end);
        append_lines(*place.key_line + 1, lines.size());
    } else if (place.section_line) {
        append_lines(0, place.insert_at);
        append_new_line(entry);
        append_lines(place.insert_at, lines.size());
    } else {
        append_lines(0, lines.size());
        append_new_line("[" + OneLine(section) + "]");
        append_new_line(entry);
    }
    return out;
}

std::string ReadDatas(const std::string& Section, const std::string& KeyNames,
                      const std::string& Path) {
    return ReadProfileValue(Section, KeyNames, Path, 254);
}

std::vector<std::string> ReadDatasEach(const std::string& Section,
                                       const std::vector<std::string>& KeyNames,
                                       const std::string& Path) {
    std::vector<std::string> values(KeyNames.size());
    auto file = ReadFileBytes(ResolvePath(Path));
    if (!file) return values;
    for (std::size_t i = 0; i < KeyNames.size(); ++i) {
        values[i] = ProfileValueIn(*file, Section, KeyNames[i], 254);
    }
    return values;
}

std::string ReadSetting(const std::string& Section, const std::string& Key,
                        const std::string& Path) {
    return ReadProfileValue(Section, Key, Path, 1023);
}

void WriteSetting(const std::string& Section, const std::string& Key, const std::string& Value,
                  const std::string& Path) {
    auto resolved = ResolvePath(Path);
    // A file that is there but cannot be read is not replaced by one that
    // holds only the new value.
    std::string file = ReadFileChecked(resolved).value_or("");
    ReplaceFileAtomically(
        resolved, ProfileStore(file, Utf8ToCp949(Section), Utf8ToCp949(Key), Utf8ToCp949(Value)));
}

}  // namespace orvalis
