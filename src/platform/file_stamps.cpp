#include "platform/file_stamps.h"

#include <system_error>

#include "platform/drive_paths.h"

namespace orvalis {

FileStamps StampFiles(const std::vector<std::string>& files) {
    FileStamps stamps;
    for (const auto& file : files) {
        std::error_code error;
        auto stamp = std::filesystem::last_write_time(ResolvePath(file), error);
        stamps.push_back(error ? std::nullopt : std::optional(stamp));
    }
    return stamps;
}

std::vector<std::string> UnwrittenFiles(const std::vector<std::string>& files,
                                        const FileStamps& before) {
    std::vector<std::string> unwritten;
    FileStamps after = StampFiles(files);
    for (std::size_t i = 0; i < files.size(); ++i) {
        bool written = after[i] && (i >= before.size() || !before[i] || *after[i] != *before[i]);
        if (!written) unwritten.push_back(files[i]);
    }
    return unwritten;
}

}  // namespace orvalis
