#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis {

// Profile files: "[section]" lines and "key=value" lines, CR LF, code page
// 949. Section and key names are found without regard to letter case; a value
// is the text after the first "=", without surrounding blanks.
//
// The three operations take UTF-8 text and a path in the system's own form
// (a drive path under the data folder, or a native path).

// The value under Section/KeyNames, at most 254 bytes of it in the file's code
// page; empty when the file, section or key is missing.
std::string ReadDatas(const std::string& Section, const std::string& KeyNames,
                      const std::string& Path);

// ReadDatas of each key of one section, the file read once.
std::vector<std::string> ReadDatasEach(const std::string& Section,
                                       const std::vector<std::string>& KeyNames,
                                       const std::string& Path);

// The same lookup, with room for 1023 bytes of value.
std::string ReadSetting(const std::string& Section, const std::string& Key,
                        const std::string& Path);

// Stores Value under Key in Section, creating the file, section or key as
// needed and replacing an existing value in place; every other line stays as
// it was. The file is replaced atomically. Throws FileError when it cannot be
// written.
void WriteSetting(const std::string& Section, const std::string& Key, const std::string& Value,
                  const std::string& Path);

// The byte-level halves of the operations above, on code page 949 text. A
// UTF-8 mark at the start of the file is passed over and kept.
std::optional<std::string> ProfileLookup(std::string_view file, std::string_view section,
                                         std::string_view key);
std::string ProfileStore(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace orvalis
