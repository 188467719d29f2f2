#pragma once

#include <string>
#include <string_view>

namespace orvalis::sim {

// The host's error texts, in one place so every command family words its
// refusals alike.

// "Toolpath 'X' does not exist"
std::string MissingEntity(std::string_view kind, std::string_view name);
// "No active toolpath"
std::string NothingActive(std::string_view kind);
// "Command not recognised: EDIT BLOCK RESETLIMIT x"
std::string UnreadableCommand(std::string_view command_text);

}  // namespace orvalis::sim
