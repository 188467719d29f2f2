#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis {

// The program keeps every text, file names included, in UTF-8. These turn a
// UTF-8 name into the path the file functions take and back, on every
// system: on Windows a path holds UTF-16 and is opened through the wide file
// functions, so Korean folder and file names work whatever the ANSI code
// page is (a path built from a plain std::string would go through it).
std::filesystem::path NativePath(std::string_view utf8);
std::string Utf8(const std::filesystem::path& path);

// An environment variable's value in UTF-8 (read as UTF-16 on Windows), or
// nothing when it is unset or empty.
std::optional<std::string> EnvironmentText(const char* name);

}  // namespace orvalis
