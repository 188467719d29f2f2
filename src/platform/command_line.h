#pragma once

#include <string>
#include <vector>

namespace orvalis {

// The program's arguments after its own name, in UTF-8. On Windows they are
// read as UTF-16 (GetCommandLineW, CommandLineToArgvW), so "(주)한국정밀"
// arrives intact whatever the ANSI code page; elsewhere they are argv.
std::vector<std::string> CommandLineWords(int argc, char** argv);

// Makes the standard output and error take UTF-8 bytes as they are: on
// Windows the console shows UTF-8 (SetConsoleOutputCP) and no line end is
// rewritten, so redirected output is byte for byte the Linux program's.
// Nothing to do elsewhere.
void UseUtf8Output();

}  // namespace orvalis
