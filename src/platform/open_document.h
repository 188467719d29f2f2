#pragma once

#include <string>

namespace orvalis {

// Opens a saved file with the desktop's own program for its kind (the
// spreadsheet program for a workbook) and returns at once. False when no such
// program could be started.
bool OpenWithDesktopProgram(const std::string& path);

}  // namespace orvalis
