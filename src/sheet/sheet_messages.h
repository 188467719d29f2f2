#pragma once

#include <string>

#include "sheet/sheet_error.h"

namespace orvalis::sheet {

// What the user is told when a setup sheet or picture workbook was not
// written, in Korean, naming the box or file at fault.
std::string SheetErrorMessage(const SheetError& error);

// The question asked before an existing workbook is replaced.
std::string ReplaceQuestion(const std::string& path);

}  // namespace orvalis::sheet
