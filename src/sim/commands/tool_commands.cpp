#include <algorithm>
#include <charconv>
#include <cmath>

#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

// Sizes lie within the range the project file allows.
constexpr double kLargestSize = 1e6;

// A size at token `index`: a number greater than 0 (or 0 and more when
// `zero_allowed`). Refuses the command otherwise.
double SizeAt(const CommandCall& call, std::size_t index, bool zero_allowed = false) {
    double value = NumberAt(call, index);
    if (value < 0 || (!zero_allowed && value == 0) || value >= kLargestSize) {
        call.Fail("Invalid value " + std::string(WordAt(call, index)) + ": " +
                  std::string(call.command().text()));
    }
    return value;
}

// "LENGTH  75Yes": the host takes the answer to its question about changing
// the length ("Yes") written straight after the number; a bare number works too.
double LengthAt(const CommandCall& call, std::size_t index) {
    std::string_view text = WordAt(call, index);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    std::string_view rest = text.substr(static_cast<std::size_t>(end - text.data()));
    if (error != std::errc() || !std::isfinite(value) ||
        (!rest.empty() && !EqualsNoCase(rest, "YES"))) {
        call.FailUnreadable();
    }
    if (value <= 0 || value >= kLargestSize) {
        call.Fail("Invalid value " + std::string(text) + ": " + std::string(call.command().text()));
    }
    return value;
}

// The clone's name: the tool's name with the first free "_1", "_2", ...
std::string CloneName(Project& project, const std::string& name) {
    for (int n = 1;; ++n) {
        std::string candidate = name + "_" + std::to_string(n);
        if (!project.FindTool(candidate)) return candidate;
    }
}

// "EDIT TOOL 'n' CLONE": a copy under a new name, which becomes the active tool.
void CloneTool(CommandCall& call, Tool& tool) {
    call.ExpectEnd(4);
    Project& project = call.project();
    Tool clone = tool;
    clone.name = CloneName(project, tool.name);
    project.active_tool = clone.name;
    project.tools.push_back(std::move(clone));  // `tool` may move: it is not used after this
}

// "... SHANK_COMPONENT ADD", "... LOWERDIA v", "... UPPERDIA v", "... LENGTH v":
// a new section on top of the others, then the sizes of the newest one.
// "HOLDER_COMPONENT IGNORE YES|NO" leaves the holder out of checks or not.
void EditComponents(CommandCall& call, Tool& tool, bool holder) {
    const Command& command = call.command();
    std::vector<ToolComponent>& components = holder ? tool.holder : tool.shank;
    if (command.IsKeyword(4, "ADD")) {
        call.ExpectEnd(5);
        components.push_back({});
        return;
    }
    if (holder && command.IsKeyword(4, "IGNORE")) {
        bool ignored = command.IsKeyword(5, "YES");
        if (!ignored && !command.IsKeyword(5, "NO")) call.FailUnreadable();
        call.ExpectEnd(6);
        tool.holder_ignored = ignored;
        return;
    }
    double ToolComponent::*size = command.IsKeyword(4, "LOWERDIA") ? &ToolComponent::lower_diameter
                                  : command.IsKeyword(4, "UPPERDIA")
                                      ? &ToolComponent::upper_diameter
                                  : command.IsKeyword(4, "LENGTH") ? &ToolComponent::length
                                                                   : nullptr;
    if (!size) call.FailUnreadable();
    double value = SizeAt(call, 5);
    call.ExpectEnd(6);
    if (components.empty()) {
        call.Fail("Tool '" + tool.name + "' has no " + (holder ? "holder" : "shank") +
                  " component");
    }
    components.back().*size = value;
}

// "EDIT TOOL 'n' ..." and "EDIT TOOL ; ..." (the active tool).
void EditTool(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, project.active_tool, "tool");
    Tool* tool = project.FindTool(name);
    if (!tool) call.Fail(MissingEntity("Tool", name));
    const Command& command = call.command();
    if (command.IsKeyword(3, "CLONE")) return CloneTool(call, *tool);
    if (command.IsKeyword(3, "SHANK_COMPONENT")) return EditComponents(call, *tool, false);
    if (command.IsKeyword(3, "HOLDER_COMPONENT")) return EditComponents(call, *tool, true);
    if (command.IsKeyword(3, "LENGTH")) {
        double length = LengthAt(call, 4);
        call.ExpectEnd(5);
        tool->length = length;
    } else if (command.IsKeyword(3, "OVERHANG")) {
        double overhang = SizeAt(call, 4, true);
        call.ExpectEnd(5);
        tool->overhang = overhang;
    } else if (command.IsKeyword(3, "SHANK_CLEAR")) {
        call.ExpectEnd(4);
        tool->shank.clear();
    } else if (command.IsKeyword(3, "HOLDER_CLEAR")) {
        call.ExpectEnd(4);
        tool->holder.clear();
    } else {
        call.FailUnreadable();
    }
}

// "DELETE TOOL 'n'": a tool that a toolpath uses stays.
void DeleteTool(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, project.active_tool, "tool");
    call.ExpectEnd(3);
    if (!project.FindTool(name)) call.Fail(MissingEntity("Tool", name));
    for (const Toolpath& toolpath : project.toolpaths) {
        if (toolpath.tool == name) {
            call.Fail("Tool '" + name + "' is used by toolpath '" + toolpath.name + "'");
        }
    }
    std::erase_if(project.tools, [&name](const Tool& tool) { return tool.name == name; });
    if (project.active_tool == name) project.active_tool.clear();
}

}  // namespace

void RegisterToolCommands(CommandTable& table) {
    table.Route("EDIT", "TOOL", EditTool);
    table.Route("DELETE", "TOOL", DeleteTool);
}

}  // namespace orvalis::sim
