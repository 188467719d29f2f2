#include "platform/open_document.h"

#include <spawn.h>
#include <unistd.h>

namespace orvalis {

bool OpenWithDesktopProgram(const std::string& path) {
    pid_t child = 0;
    const char* argv[] = {"xdg-open", path.c_str(), nullptr};
    return posix_spawnp(&child, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv),
                        environ) == 0;
}

}  // namespace orvalis
