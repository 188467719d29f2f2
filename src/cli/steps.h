#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "window_models/main_window_model.h"

namespace orvalis::sheet {
struct SheetComparison;
}

namespace orvalis::cli {

// "변경: 바뀜 3개, 새 툴패스 2개, 삭제 1개", then a line per change.
void PrintSheetChanges(std::ostream& out, const sheet::SheetComparison& comparison);

// After "시트 만들기": what changed since the sheet it replaced, when it
// replaced one and could compare.
void PrintReplacedSheetChanges(std::ostream& out, const MainWindowModel& main_window);

// The operands (default: the whole project list) into the survey list. False
// when there is no project list to take: an empty survey must not pass for a
// done one (the load said why).
bool FillSurveyList(MainWindowModel& main_window, const CommandArguments& arguments);

// Types --prefix and --start into the numbering boxes as the user would,
// which numbers the table's NC names. False, with the window's message on
// stderr, when the start number is not a number.
bool TypeNumbering(MainWindowModel& main_window, const CommandArguments& arguments,
                   std::ostream& err);

// Puts the operands (default: the whole project list) into the survey list,
// presses "불러오기" (transcript "# survey"), then types --prefix and --start
// if given. False, with the window's message on stderr, when the survey or
// the numbering failed.
// With `keep_incomplete` a survey that stopped part-way still counts as done
// (its failure is on stderr all the same), so what follows may ask about it.
bool SurveyAsTyped(CommandContext& context, MainWindowModel& main_window,
                   const CommandArguments& arguments, bool keep_incomplete = false);

// Table rows 0..rows - 1 as the grid shows them, the 13 cells of each
// separated by one TAB.
void PrintToolpathRows(std::ostream& out, const survey::ToolpathTable& table, int rows);

// Ticks "충돌 간섭" (transcript "# collision"): the holder collision check,
// which ends with a survey. True when the pass and the survey finished.
bool CheckCollisions(CommandContext& context, MainWindowModel& main_window);

// The collision pass in the survey's place, for a run that checks the
// holders: the operands go into the survey list as for SurveyAsTyped, the
// pass's closing survey fills the table, then --prefix and --start are typed.
// The slowest host work of a run, the machining-time estimate, is so done
// once per toolpath. True when the pass, the survey and the numbering
// finished.
bool CheckCollisionsAsTyped(CommandContext& context, MainWindowModel& main_window,
                            const CommandArguments& arguments);

// Opens the block limits panel (transcript "# block"), types the six limits
// if given, presses "캡처" ("# capture"). True when the four bitmaps were kept.
bool CaptureViews(CommandContext& context, MainWindowModel& main_window,
                  const std::optional<std::vector<std::string>>& limits);

// The four bitmap files of this machine.
std::vector<std::string> BitmapPaths();

// The folder --folder names, else `fallback`; a usage error when neither is
// given or the name is empty (the working folder is not meant by "").
std::string FolderOption(const CommandArguments& arguments,
                         const std::optional<std::string>& fallback = std::nullopt);

// Chooses the folder in the folder panel as the user would.
void OpenFolder(MainWindowModel& main_window, const std::string& folder);

// Types --company, --offset, --item and --part into the header boxes.
void TypeHeader(MainWindowModel& main_window, const CommandArguments& arguments);

// Presses a workbook button under its transcript action; returns the saved
// workbook, or nothing when the window said why not (on stderr).
std::optional<std::string> PressWorkbook(CommandContext& context, MainWindowModel& main_window,
                                         const std::string& action,
                                         void (MainWindowModel::*press)(), bool force, bool show);

}  // namespace orvalis::cli
