#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvalis::settings {

// The three profile files of the data folder, in the system's own path form.
std::string SettingFilePath();    // NC file extension
std::string CompanyFilePath();    // company list
std::string ListIndexFilePath();  // registry dialog's key position

// Why the settings file at `path` is there but cannot be read (a folder, a
// FIFO, a file over 16 MB, no permission), as "PATH: reason"; nothing when it
// is readable or missing. Such a file reads as empty, so the user must be
// told it is not the missing one.
std::optional<std::string> UnreadableFile(const std::string& path);

inline constexpr int kCompanySlots = 20;

// "업체명" followed by the slot number (1 to 20).
std::string CompanyKey(int slot);

// The run of non-empty company slots from slot 1 up to the first empty one.
std::vector<std::string> LoadCompanyList();
// Writes one company slot. Throws FileError.
void SaveCompany(int slot, const std::string& name);

// The NC file extension, without the point; empty when not set.
std::string LoadNcExtension();
// Throws FileError.
void SaveNcExtension(const std::string& extension);

// The stored key position, as text (empty when not set).
std::string LoadListIndex();
// Throws FileError.
void SaveListIndex(int position);

}  // namespace orvalis::settings
