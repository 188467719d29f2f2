#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

// "PRINT VALUE PROJECTPATH" / "PROJECTNAME": one line ended by CR LF.
void PrintValue(CommandCall& call) {
    std::string_view name = WordAt(call, 2);
    call.ExpectEnd(3);
    const Project& project = call.project();
    if (EqualsNoCase(name, "PROJECTPATH")) {
        call.Print(project.path);
    } else if (EqualsNoCase(name, "PROJECTNAME")) {
        call.Print(project.name);
    } else {
        call.Fail(MissingEntity("Parameter", name));
    }
}

}  // namespace

void RegisterPrintValueCommands(CommandTable& table) {
    table.Route("PRINT", "VALUE", PrintValue);
    table.Accept("PRINT");
}

}  // namespace orvalis::sim
