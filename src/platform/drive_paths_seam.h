#pragma once

#include <filesystem>
#include <optional>

namespace orvalis {

// For tests: drive paths ("C:\\TARVEL\\ORVALIS\\...") stand for folders under
// `root` (root/c/TARVEL/ORVALIS/...) as they do off Windows, also in the
// Windows build where they are otherwise used as they are; nothing ends the
// mapping. On Windows paths inside the system's temporary folder (where the
// tests keep their own native folders) stay as they are. Off Windows it takes
// precedence over ORVALIS_DRIVES.
void MapDrivesForTests(std::optional<std::filesystem::path> root);

}  // namespace orvalis
