#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/reports.h"

namespace orvalis::sim {

namespace {

void PrintToolParameters(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 4, project.active_tool, "tool");
    call.ExpectEnd(5);
    const Tool* tool = project.FindTool(name);
    if (!tool) call.Fail(MissingEntity("Tool", name));
    AppendToolReport(call.answer(), *tool);
}

void PrintToolpathParameters(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 4, project.active_toolpath, "toolpath");
    call.ExpectEnd(5);
    const Toolpath* toolpath = project.FindToolpath(name);
    if (!toolpath) call.Fail(MissingEntity("Toolpath", name));
    AppendToolpathReport(call.answer(), *toolpath);
}

// "print entity parameters  tool 'name'" and "... toolpath 'name'".
void PrintEntityParameters(CommandCall& call) {
    const Command& command = call.command();
    if (!command.IsKeyword(2, "PARAMETERS")) call.FailUnreadable();
    if (command.IsKeyword(3, "TOOL")) return PrintToolParameters(call);
    if (command.IsKeyword(3, "TOOLPATH")) return PrintToolpathParameters(call);
    call.FailUnreadable();
}

}  // namespace

void RegisterEntityReportCommands(CommandTable& table) {
    table.Route("PRINT", "ENTITY", PrintEntityParameters);
}

}  // namespace orvalis::sim
