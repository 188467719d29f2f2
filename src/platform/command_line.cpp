#include "platform/command_line.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>

#include "platform/native_path.h"
#endif

namespace orvalis {

#ifdef _WIN32

std::vector<std::string> CommandLineWords(int, char**) {
    std::vector<std::string> words;
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return words;
    for (int i = 1; i < count; ++i) words.push_back(Utf8(std::filesystem::path(arguments[i])));
    LocalFree(arguments);
    return words;
}

void UseUtf8Output() {
    SetConsoleOutputCP(CP_UTF8);
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

#else

std::vector<std::string> CommandLineWords(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseUtf8Output() {}

#endif

}  // namespace orvalis
