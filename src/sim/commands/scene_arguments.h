#pragma once

#include <cstddef>
#include <string>

#include "sim/command_table.h"

namespace orvalis::sim {

// The pattern a command names at token `index` (a name, or ";" for the
// active pattern); refuses the command when the project has no such pattern.
Pattern& PatternAt(CommandCall& call, std::size_t index);

// True when token `index` is the bare word ALL: every pattern, not one named
// 'ALL'.
bool IsAll(const CommandCall& call, std::size_t index);

// The file path a command gives at token `index`, in quotes or bare;
// refuses the command when it is missing or its quote is not closed.
std::string PathAt(const CommandCall& call, std::size_t index);

// Forgets what the host shows and holds selected of a pattern that is gone.
void ForgetPattern(HostState& state, const std::string& name);

}  // namespace orvalis::sim
