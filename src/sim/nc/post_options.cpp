#include "sim/nc/post_options.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/cp949.h"
#include "platform/drive_paths.h"
#include "sim/command_table.h"
#include "sim/host_texts.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

[[noreturn]] void Refuse(const std::string& path, const std::string& problem) {
    throw CommandFailed("Option file '" + path + "': " + problem);
}

int WholeNumber(std::string_view value, int low, int high, const std::string& path,
                std::string_view key) {
    int number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < low ||
        number > high) {
        Refuse(path, std::string(key) + " must be a whole number from " + std::to_string(low) +
                         " to " + std::to_string(high));
    }
    return number;
}

NcDialect DialectNamed(std::string_view value, const std::string& path) {
    if (EqualsNoCase(value, "fanuc")) return NcDialect::kFanuc;
    if (EqualsNoCase(value, "heidenhain")) return NcDialect::kHeidenhain;
    Refuse(path, "dialect '" + std::string(value) + "' is not known (fanuc, heidenhain)");
}

Coolant CoolantNamed(std::string_view value, const std::string& path) {
    if (EqualsNoCase(value, "flood")) return Coolant::kFlood;
    if (EqualsNoCase(value, "mist")) return Coolant::kMist;
    if (EqualsNoCase(value, "off")) return Coolant::kOff;
    Refuse(path, "coolant must be flood, mist or off");
}

void ApplyOption(PostOptions& options, std::string_view key, std::string_view value,
                 const std::string& path) {
    if (EqualsNoCase(key, "dialect")) {
        options.dialect = DialectNamed(value, path);
    } else if (EqualsNoCase(key, "controller")) {
        options.controller = value;
    } else if (EqualsNoCase(key, "decimals")) {
        options.decimals = WholeNumber(value, 0, 4, path, "decimals");
    } else if (EqualsNoCase(key, "work_offset")) {
        options.work_offset = value;
    } else if (EqualsNoCase(key, "coolant")) {
        options.coolant = CoolantNamed(value, path);
    } else if (EqualsNoCase(key, "program_number")) {
        options.program_number = WholeNumber(value, 1, 9999, path, "program_number");
    }
}

}  // namespace

PostOptions ReadPostOptions(std::string_view text, const std::string& path) {
    std::string utf8 = Cp949ToUtf8(text);
    std::string_view rest = utf8;
    PostOptions options;
    bool dialect_named = false;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = Trimmed(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        std::size_t equals = line.find('=');
        if (line.empty() || line.front() == ';' || equals == std::string_view::npos) continue;
        std::string_view key = Trimmed(line.substr(0, equals));
        ApplyOption(options, key, Trimmed(line.substr(equals + 1)), path);
        dialect_named = dialect_named || EqualsNoCase(key, "dialect");
    }
    if (!dialect_named) Refuse(path, "names no dialect (dialect=fanuc or dialect=heidenhain)");
    return options;
}

PostOptions LoadPostOptions(const std::string& path) {
    std::filesystem::path file = ResolvePath(path);
    std::error_code error;
    auto text = std::filesystem::is_regular_file(file, error) ? ReadFileBytes(file) : std::nullopt;
    if (!text) throw CommandFailed(MissingEntity("Option file", path));
    return ReadPostOptions(*text, path);
}

}  // namespace orvalis::sim
