#pragma once

#include <string_view>

namespace orvalis {

// Whether `text` holds a character that no file name may hold on Windows (a
// control character or \ / : * ? " < > |). A file the shop makes here must
// open on the shop's Windows machines too, so the rule is Windows' on every
// system.
bool HasForbiddenFileNameCharacter(std::string_view text);

// Whether `extension` (without its dot) can end a file name as typed: not
// empty, no forbidden character, no "..", and no trailing dot or blank, which
// Windows drops, so the file would not be the one asked for.
bool IsUsableExtension(std::string_view extension);

}  // namespace orvalis
