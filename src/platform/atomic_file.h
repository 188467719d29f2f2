#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis {

// The whole content of a file, or nothing when it is missing or unreadable.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Replaces the file with `bytes`: writes a temporary file beside it, flushes
// it to disk and renames it over the old one, so a crash or a full disk never
// leaves half a file. Throws FileError; the old file is then untouched.
void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace orvalis
