#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/reports.h"

namespace orvalis::sim {

namespace {

// "SIZE TOOLPATH  'name'": the toolpath's limits, the lowest point among them.
void SizeToolpath(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, project.active_toolpath, "toolpath");
    call.ExpectEnd(3);
    const Toolpath* toolpath = project.FindToolpath(name);
    if (!toolpath) call.Fail(MissingEntity("Toolpath", name));
    AppendSizeReport(call.answer(), *toolpath, project.model_limits);
}

}  // namespace

void RegisterSizeCommands(CommandTable& table) {
    table.Route("SIZE", "TOOLPATH", SizeToolpath);
    table.Accept("SIZE");
}

}  // namespace orvalis::sim
