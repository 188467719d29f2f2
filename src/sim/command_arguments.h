#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "sim/command_table.h"

namespace orvalis::sim {

// The entity a command names at token `index`: a quoted or bare name, or ";"
// for the active one (`active`, empty when none is active). Refuses the
// command when the name is missing or its quote is not closed. `kind` words
// the refusal: "toolpath", "tool", "pattern".
std::string EntityNameAt(const CommandCall& call, std::size_t index, const std::string& active,
                         std::string_view kind);

// The number a command gives at token `index`, read with "." as decimal
// point; refuses the command when the token is missing or not a finite number.
double NumberAt(const CommandCall& call, std::size_t index);

// The bare word at token `index`; refuses the command when there is none.
std::string_view WordAt(const CommandCall& call, std::size_t index);

}  // namespace orvalis::sim
