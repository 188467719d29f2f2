#pragma once

#include <string>
#include <vector>

#include "collision/tool_assembly_table.h"

namespace orvalis::collision {

// The command lines of the collision check, built from a table row's texts
// as they were typed.

// The 21 edits that rebuild `tool` (the clone) as the row's assembly: its
// length, two shank and two holder sections, no overhang, the holder taken
// into account. Two blanks stand before each value, and the host's "Yes"
// follows the length right after it.
std::vector<std::string> ToolEditCommands(const std::string& tool, const AssemblyRecord& row);

// The collision check of the active toolpath with the row's shank and holder
// clearances, adjusting the tool, from opening the form to accepting.
std::vector<std::string> CollisionCommands(const AssemblyRecord& row);

// The gouge display of the active toolpath.
std::vector<std::string> GougeCommands();

}  // namespace orvalis::collision
