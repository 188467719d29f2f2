#include "platform/file_names.h"

namespace orvalis {

bool HasForbiddenFileNameCharacter(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool IsUsableExtension(std::string_view extension) {
    return !extension.empty() && !HasForbiddenFileNameCharacter(extension) &&
           extension.find("..") == std::string_view::npos && extension.back() != '.' &&
           extension.back() != ' ';
}

}  // namespace orvalis
