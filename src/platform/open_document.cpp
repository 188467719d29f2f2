#include "platform/open_document.h"

#ifdef _WIN32
#include <shellapi.h>
#include <windows.h>

#include "platform/native_path.h"
#else
#include <spawn.h>
#include <unistd.h>
#endif

namespace orvalis {

#ifdef _WIN32

// "Show": the file's own program (Excel for a workbook where it is installed).
bool OpenWithDesktopProgram(const std::string& path) {
    std::wstring file = NativePath(path).wstring();
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

#else

bool OpenWithDesktopProgram(const std::string& path) {
    pid_t child = 0;
    const char* argv[] = {"xdg-open", path.c_str(), nullptr};
    return posix_spawnp(&child, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv),
                        environ) == 0;
}

#endif

}  // namespace orvalis
