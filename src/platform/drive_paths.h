#pragma once

#include <filesystem>
#include <string_view>

namespace orvalis {

// The folder that stands for the drive letters off Windows:
// $ORVALIS_DRIVES, else ~/.local/share/orvalis/drives. (Not used on Windows,
// where drive paths are real.)
std::filesystem::path DrivesRoot();

// True for a Windows drive path such as "C:\TARVEL\ORVALIS\SETTING.dat".
bool IsDrivePath(std::string_view path);

// The file that a path names on this machine. Every file access goes through
// here. On Windows every path is used as it is (UTF-8 to UTF-16). Off
// Windows a drive path "X:\a\b" is the folder DrivesRoot()/x/a/b: each
// component that exists with other letter case is found ("top.bmp" finds
// "Top.bmp"), components that do not exist are kept as written, so the result
// can also name a new file, and ".." stops at the drive's folder. Any other
// path is a native one and is used exactly as written.
std::filesystem::path ResolvePath(std::string_view path);

}  // namespace orvalis
