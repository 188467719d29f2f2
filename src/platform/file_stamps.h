#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvalis {

// When each file was last written (nothing for a missing file). Taken before
// the host is told to write files, so that afterwards a file it did not write
// shows, even where an older one of that name was there.
using FileStamps = std::vector<std::optional<std::filesystem::file_time_type>>;
FileStamps StampFiles(const std::vector<std::string>& files);

// The files not written since `before` (same order as `files`).
std::vector<std::string> UnwrittenFiles(const std::vector<std::string>& files,
                                        const FileStamps& before);

}  // namespace orvalis
