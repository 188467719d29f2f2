#include "sim/host_texts.h"

namespace orvalis::sim {

std::string MissingEntity(std::string_view kind, std::string_view name) {
    std::string text(kind);
    text += " '";
    text += name;
    text += "' does not exist";
    return text;
}

std::string NothingActive(std::string_view kind) {
    std::string text = "No active ";
    text += kind;
    return text;
}

std::string UnreadableCommand(std::string_view command_text) {
    std::string text = "Command not recognised: ";
    text += command_text;
    return text;
}

}  // namespace orvalis::sim
