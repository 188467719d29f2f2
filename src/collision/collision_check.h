#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "collision/tool_assembly_table.h"
#include "host/channel.h"
#include "host/host_error.h"
#include "survey/survey.h"

namespace orvalis::collision {

enum class CheckOutcome {
    kChecked,      // rebuilt from its row, checked, its clone deleted
    kNoDiameter,   // its tool report printed no diameter: skipped
    kNoTableRow,   // no table row has its diameter: skipped
    kUnsafeValue,  // its row holds a value that would break the command line: skipped
    kUnquotable,   // its name or its tool's cannot stand in the host's quotes: skipped
    kFailed,       // a host call failed on it: the pass ended there
};

// What became of one toolpath of the survey list.
struct ToolpathCheck {
    std::string toolpath;
    std::string tool;
    std::string diameter;  // as the host printed it; empty when it printed none
    CheckOutcome outcome = CheckOutcome::kFailed;
    std::optional<AssemblyRecord> row;  // the row its diameter found
};

struct CollisionResult {
    // The toolpaths the pass reached, in list order.
    std::vector<ToolpathCheck> toolpaths;
    // The survey-list index of the toolpath the pass ended at, if one failed.
    std::optional<int> failed_entry;
    // In Korean, naming the toolpath: each one skipped, the failure, a clone
    // that could not be deleted, dialogs that could not be switched back on.
    std::vector<std::string> problems;

    int checked() const;
};

// The holder collision check of each toolpath in list order: its tool is
// cloned, the clone rebuilt as the table row of the tool's diameter, the
// host's collision check run with the row's clearances and the tool
// adjusted, and the clone deleted. A toolpath without a diameter or a row,
// or whose name or tool name cannot stand in the host's quotes, is skipped
// and the pass goes on; a failing host call ends the pass after
// deleting that toolpath's clone. Whatever happened, the host's dialogs are
// switched back on at the end.
CollisionResult RunCollisionCheck(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                                  const std::vector<AssemblyRecord>& table,
                                  const survey::ToolpathStarting& starting);

// The host's error and message dialogs back on ("DIALOGS ERROR ON", then
// "DIALOGS MESSAGE ON"), each tried on its own; the first that fails is told
// in `problems`.
void SwitchDialogsOn(host::HostChannel& pm, std::vector<std::string>& problems);

// The diameter a tool report prints: the first line from the fifth on whose
// first 8 characters are "DIAMETER" (blanks aside), its text from the 12th
// character, blanks trimmed. Nothing when no line has it.
std::optional<std::string> DiameterFrom(std::string_view tool_report);

}  // namespace orvalis::collision
