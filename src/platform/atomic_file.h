#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis {

// The largest file the program reads: far above any settings file, view
// bitmap or template, far below what would exhaust the memory.
inline constexpr std::uintmax_t kMaxReadBytes = 16 * 1024 * 1024;

// The whole content of a file, or nothing when it is missing. Something else
// in its place (a folder, a FIFO, a device) or a file larger than `limit` is
// refused at once, never waited on or read; that, and a file that cannot be
// read, is a FileError saying why.
std::optional<std::string> ReadFileChecked(const std::filesystem::path& path,
                                           std::uintmax_t limit = kMaxReadBytes);

// As ReadFileChecked, but a file refused or unreadable is nothing as well:
// for the settings that read as empty when their file cannot serve.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::uintmax_t limit = kMaxReadBytes);

// Creates the file with `bytes` where none is: writes a temporary file beside
// it, flushes it and puts it into place only if the name is still free, in
// one step, so of two writers racing for the name one wins and the other gets
// FileExistsError, with the winner's file untouched. Throws FileError.
void CreateFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Replaces the file with `bytes`: writes a temporary file beside it, flushes
// it to disk and renames it over the old one, so a crash or a full disk never
// leaves half a file. Throws FileError; the old file is then untouched.
void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace orvalis
