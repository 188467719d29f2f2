#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis {

// The fixed data folder every settings file, glyph, bitmap and template lives in.
inline constexpr std::string_view kDataFolder = "C:\\TARVEL\\ORVALIS\\";

// kDataFolder followed by `relative` ("DAT FILE\\SETTING.dat"), in the
// system's own Windows form; ResolvePath finds it on this machine.
std::string DataPath(std::string_view relative);

// A folder of files the program ships: the folder the environment variable
// names when it is set, else `installed` (relative to the program's own
// folder) when it exists, else `source` (the source tree's).
std::filesystem::path ShippedFolder(const char* variable, const std::filesystem::path& installed,
                                    const std::filesystem::path& source);

// The folder of shipped files that a new data folder is filled from:
// $ORVALIS_DATA_DIR, else share/orvalis/data beside the installed program,
// else the source tree's data/.
std::filesystem::path ShippedDataDir();

// Copies every file of `from` that `to_drive_path` lacks (matched without
// regard to letter case), creating folders as needed. Never overwrites a
// file that exists, so the user's settings survive. Throws FileError when
// `from` is missing, and when a file cannot be copied unless `unfilled` is
// given: each such file is then added to it and the others are still copied.
void FillMissingFiles(const std::filesystem::path& from, std::string_view to_drive_path,
                      std::vector<std::string>* unfilled = nullptr);

// Fills the data folder from the shipped files on start. A data folder that
// cannot be written still serves: what could not be created reads as a
// missing file does, and the Korean warning returned (empty when everything
// is there) says so once. Throws FileError when the shipped files are missing.
std::string EnsureDataFolder();

}  // namespace orvalis
