#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/channel.h"
#include "survey/survey.h"

namespace orvalis::collision {

struct GougeResult {
    int drawn = 0;                      // toolpaths whose display was drawn and applied
    std::optional<int> failed_entry;    // the survey-list index the display ended at
    std::vector<std::string> problems;  // in Korean, naming the toolpath
};

// Draws and applies the host's collision display for each toolpath in list
// order, without editing any tool. A toolpath whose name cannot stand in the
// host's quotes is skipped; a failing host call ends the run there;
// the host's dialogs are switched back on at the end in every case.
GougeResult RunGougeDisplay(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                            const survey::ToolpathStarting& starting);

}  // namespace orvalis::collision
