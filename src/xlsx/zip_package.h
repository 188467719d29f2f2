#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace orvalis::xlsx {

// The largest part read out of a package. A setup sheet's parts are far
// smaller; the archive's own word for a part's size is not to be trusted.
inline constexpr std::uint64_t kMaxPartBytes = 64ull * 1024 * 1024;

// An Office Open XML package held in memory. Parts are read from the original
// archive; changes are collected and only applied when a new archive is made,
// so every part nobody changed is copied into it unchanged, compressed bytes
// included.
class ZipPackage {
  public:
    // `origin` names the file in error messages. Throws WorkbookError when the
    // bytes are not a zip archive or a part is damaged (its content does not
    // match its checksum or stated size).
    ZipPackage(std::string bytes, std::string origin);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    const std::string& origin() const { return origin_; }

    bool Has(std::string_view name) const;
    // The part's bytes, as changed so far. Throws WorkbookError when it is missing.
    std::string Read(std::string_view name) const;
    // Every part name, in archive order, then the added ones.
    std::vector<std::string> Names() const;

    // Adds or replaces a part. Pictures that are already compressed are stored.
    void Write(const std::string& name, std::string bytes, bool compress = true);
    void Remove(const std::string& name);

    // The bytes of a new archive: the original with the changes applied.
    std::string Save() const;

  private:
    // A part as the archive holds it, read to its end and checked.
    std::string ReadStored(std::uint64_t index, const std::string& key) const;

    struct Change {
        bool removed = false;
        bool compress = true;
        std::string bytes;
    };

    std::string bytes_;
    std::string origin_;
    zip* reader_ = nullptr;
    std::map<std::string, Change, std::less<>> changes_;
};

}  // namespace orvalis::xlsx
