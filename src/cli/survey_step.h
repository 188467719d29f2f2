#pragma once

#include <iosfwd>

#include "cli/cli.h"

namespace orvalis {
class Form4;
namespace forms {
class FlexGrid;
}
}  // namespace orvalis

namespace orvalis::cli {

// Puts the operands (default: the whole project list) into the survey list,
// presses "불러오기" (transcript "# survey"), then types --prefix and --start
// if given. False, with the window's message on stderr, when the survey or
// the numbering failed.
bool SurveyAsTyped(CommandContext& context, Form4& form4, const CommandArguments& arguments);

// Grid rows 1..rows, the 13 cells of each separated by one TAB.
void PrintGridRows(std::ostream& out, const forms::FlexGrid& grid, int rows);

}  // namespace orvalis::cli
