#include "sim/commands/scene_arguments.h"

#include "sim/command_arguments.h"
#include "sim/host_texts.h"

namespace orvalis::sim {

Pattern& PatternAt(CommandCall& call, std::size_t index) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, index, project.active_pattern, "pattern");
    Pattern* pattern = project.FindPattern(name);
    if (!pattern) call.Fail(MissingEntity("Pattern", name));
    return *pattern;
}

bool IsAll(const CommandCall& call, std::size_t index) {
    return call.command().IsKeyword(index, "ALL");
}

std::string PathAt(const CommandCall& call, std::size_t index) {
    const Command& command = call.command();
    if (index >= command.size() || command[index].kind == TokenKind::kSemicolon ||
        command[index].unterminated || command[index].text.empty()) {
        call.FailUnreadable();
    }
    return std::string(command[index].text);
}

void ForgetPattern(HostState& state, const std::string& name) {
    Scene& scene = state.scene;
    scene.drawn_patterns.erase(name);
    scene.pattern_items.erase(name);
    if (scene.explorer_pattern == name) scene.explorer_pattern.clear();
    if (state.project.active_pattern == name) state.project.active_pattern.clear();
}

}  // namespace orvalis::sim
