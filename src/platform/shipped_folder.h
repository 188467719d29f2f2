#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_error.h"

namespace orvalis {

// A folder of files the program ships: the folder the environment variable
// names when it is set, else `installed` (relative to the program's own
// folder) when it exists, else `source` (the source tree's).
std::filesystem::path ShippedFolder(const char* variable, const std::filesystem::path& installed,
                                    const std::filesystem::path& source);

// What filling a folder from the shipped files could not do, and what it mended.
struct FillOutcome {
    std::vector<FileError> unfilled;  // files and folders that could not be created
    std::vector<std::string> healed;  // files found cut short and copied again
};

// Which existing files a fill may replace when they are cut short, by their
// path relative to the shipped folder.
using HealRule = std::function<bool(const std::string& relative)>;

// Copies every file of `from` that `to_drive_path` lacks (matched without
// regard to letter case), creating folders as needed. Each file is written
// to a temporary file and put into place, so a start that is killed or
// runs out of disk leaves a file whole or not at all. A file that exists is
// kept, so the user's settings survive; only one that `heals` names and that
// is a cut-short copy (empty, unreadable, or just the beginning of the
// shipped file) is replaced. Throws FileError when `from` is missing; a file
// that cannot be copied is reported in the outcome and the others are still
// copied.
FillOutcome FillFromShipped(const std::filesystem::path& from, std::string_view to_drive_path,
                            const HealRule& heals = {});

// FillFromShipped without healing, throwing the first file that could not be
// created.
void FillMissingFiles(const std::filesystem::path& from, std::string_view to_drive_path);

}  // namespace orvalis
