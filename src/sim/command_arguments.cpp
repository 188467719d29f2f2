#include "sim/command_arguments.h"

#include <charconv>
#include <cmath>

#include "sim/host_texts.h"

namespace orvalis::sim {

std::string EntityNameAt(const CommandCall& call, std::size_t index, const std::string& active,
                         std::string_view kind) {
    const Command& command = call.command();
    if (index >= command.size()) call.FailUnreadable();
    const Token& token = command[index];
    if (token.kind == TokenKind::kSemicolon) {
        if (active.empty()) call.Fail(NothingActive(kind));
        return active;
    }
    if (token.unterminated || token.text.empty()) call.FailUnreadable();
    return std::string(token.text);
}

double NumberAt(const CommandCall& call, std::size_t index) {
    std::string_view text = WordAt(call, index);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        call.FailUnreadable();
    }
    return value;
}

std::string_view WordAt(const CommandCall& call, std::size_t index) {
    const Command& command = call.command();
    if (index >= command.size() || command[index].kind != TokenKind::kWord) call.FailUnreadable();
    return command[index].text;
}

}  // namespace orvalis::sim
