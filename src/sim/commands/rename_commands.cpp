#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"

namespace orvalis::sim {

namespace {

// "RENAME Toolpath 'old'  'new'": the NC programs and the active toolpath
// follow the new name. A name another toolpath holds is refused.
void RenameToolpath(CommandCall& call) {
    Project& project = call.project();
    std::string old_name = EntityNameAt(call, 2, project.active_toolpath, "toolpath");
    std::string new_name = EntityNameAt(call, 3, "", "toolpath");
    call.ExpectEnd(4);
    Toolpath* toolpath = project.FindToolpath(old_name);
    if (!toolpath) call.Fail(MissingEntity("Toolpath", old_name));
    if (new_name == old_name) return;
    if (project.FindToolpath(new_name)) call.Fail("Toolpath '" + new_name + "' already exists");
    toolpath->name = new_name;
    if (project.active_toolpath == old_name) project.active_toolpath = new_name;
    for (NcProgram& program : project.nc_programs) {
        for (std::string& name : program.toolpaths) {
            if (name == old_name) name = new_name;
        }
    }
}

}  // namespace

void RegisterRenameCommands(CommandTable& table) {
    table.Route("RENAME", "TOOLPATH", RenameToolpath);
}

}  // namespace orvalis::sim
