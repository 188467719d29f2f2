#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shipped_folder.h"

namespace orvalis {

// The fixed data folder every settings file, glyph, bitmap and template lives in.
inline constexpr std::string_view kDataFolder = "C:\\TARVEL\\ORVALIS\\";

// kDataFolder followed by `relative` ("DAT FILE\\SETTING.dat"), in the
// system's own Windows form; ResolvePath finds it on this machine.
std::string DataPath(std::string_view relative);

// The folder of shipped files that a new data folder is filled from:
// $ORVALIS_DATA_DIR, else share/orvalis/data beside the installed program,
// else the source tree's data/.
std::filesystem::path ShippedDataDir();

// Fills the data folder from the shipped files on start and mends the
// program's own files there (templates, glyphs) that an interrupted fill cut
// short; the shop's settings and record files under "DAT FILE" are never
// replaced. A data folder that cannot be written still serves: what could
// not be created reads as a missing file does. Returns the Korean warnings to
// show, one for what could not be created and one for what was mended, none
// when everything is in order. Throws FileError when the shipped files are
// missing.
std::vector<std::string> EnsureDataFolder();

}  // namespace orvalis
