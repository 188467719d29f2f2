#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvalis {

// The folder panel's three lists. Paths are in the system's own form: a drive
// path ("C:\JOBS\PART-100") or, for a folder chosen outside the drives, a
// native path. Listing goes through ResolvePath.

// The drive list: "c:", "d:" ...
struct DriveListBox {
    std::string Drive;
};

// The folder list: the folder it stands on, and the folders in it.
struct DirListBox {
    std::string Path;
    std::vector<std::string> Subfolders() const;
};

// The file list: the files of a folder that match the pattern.
struct FileListBox {
    std::string Path;
    std::string Pattern;
    std::vector<std::string> Items;
    void Refresh();
};

// The file pattern of the file list: NC files and workbooks.
inline constexpr std::string_view kFilePattern = "*.nc; *.xls; *.xlsx";

// The drives to offer: off Windows the one-letter folders of the drives
// folder, and always "c:".
std::vector<std::string> AvailableDrives();

// "c:" for a drive path, empty for a native one.
std::string DriveOf(std::string_view path);

// The root folder of a drive: "c:" gives "C:\".
std::string DriveRoot(std::string_view drive);

// A name inside a folder: "\" between them for a drive path, "/" otherwise.
std::string JoinFolder(std::string_view folder, std::string_view name);

// Whether a file name matches "*.nc; *.xls" style patterns, without regard
// to letter case.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// Why a text cannot name a new folder, or empty when it can.
std::string FolderNameProblem(std::string_view name);

}  // namespace orvalis
