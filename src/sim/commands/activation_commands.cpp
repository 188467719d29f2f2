#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"

namespace orvalis::sim {

namespace {

// "ACTIVATE Toolpath 'name'": the toolpath's tool becomes the active tool too,
// as in the host's tool bar.
void ActivateToolpath(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, project.active_toolpath, "toolpath");
    call.ExpectEnd(3);
    const Toolpath* toolpath = project.FindToolpath(name);
    if (!toolpath) call.Fail(MissingEntity("Toolpath", name));
    project.active_toolpath = toolpath->name;
    project.active_tool = toolpath->tool;
}

void ActivateTool(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, project.active_tool, "tool");
    call.ExpectEnd(3);
    if (!project.FindTool(name)) call.Fail(MissingEntity("Tool", name));
    project.active_tool = name;
}

void ActivatePattern(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, project.active_pattern, "pattern");
    call.ExpectEnd(3);
    if (!project.FindPattern(name)) call.Fail(MissingEntity("Pattern", name));
    project.active_pattern = name;
}

// "DEACTIVATE TOOLPATH" and its kin: nothing active afterwards, also when
// nothing was.
template <std::string Project::*active>
void Deactivate(CommandCall& call) {
    call.ExpectEnd(2);
    (call.project().*active).clear();
}

}  // namespace

void RegisterActivationCommands(CommandTable& table) {
    table.Route("ACTIVATE", "TOOLPATH", ActivateToolpath);
    table.Route("ACTIVATE", "TOOL", ActivateTool);
    table.Route("ACTIVATE", "PATTERN", ActivatePattern);
    table.Route("DEACTIVATE", "TOOLPATH", Deactivate<&Project::active_toolpath>);
    table.Route("DEACTIVATE", "TOOL", Deactivate<&Project::active_tool>);
    table.Route("DEACTIVATE", "PATTERN", Deactivate<&Project::active_pattern>);
}

}  // namespace orvalis::sim
