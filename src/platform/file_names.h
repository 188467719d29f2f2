#pragma once

#include <string>
#include <string_view>

namespace orvalis {

// Whether `text` holds a character that no file name may hold on Windows (a
// control character or \ / : * ? " < > |). A file the shop makes here must
// open on the shop's Windows machines too, so the rule is Windows' on every
// system.
bool HasForbiddenFileNameCharacter(std::string_view text);

// Whether Windows keeps `name` for a device: CON, PRN, AUX, NUL, COM0 to COM9
// and LPT0 to LPT9 (also with ¹ ² ³), in any case, alone or before an
// extension ("nul.nc"). Such a file cannot be made or opened there.
bool IsWindowsDeviceName(std::string_view name);

// Why `name` cannot name a file on Windows as well as here, in Korean; empty
// when it can. It must not be empty, "." or "..", hold a forbidden
// character, be a device name, or end in a dot or blank (which Windows drops,
// so the file would not be the one asked for).
std::string FileNameProblem(std::string_view name);

// Whether `extension` (without its dot) can end a file name as typed: not
// empty, no forbidden character, no "..", and no trailing dot or blank, which
// Windows drops, so the file would not be the one asked for.
bool IsUsableExtension(std::string_view extension);

}  // namespace orvalis
