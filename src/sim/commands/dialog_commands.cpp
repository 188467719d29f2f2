#include "sim/commands/command_families.h"

namespace orvalis::sim {

namespace {

// "DIALOGS MESSAGE ON|OFF", "DIALOGS ERROR ON|OFF". With the error dialogs
// off the host refuses a bad command quietly instead of stopping the caller.
void SwitchDialogs(CommandCall& call) {
    const Command& command = call.command();
    DialogSwitches& dialogs = call.project().dialogs;
    bool* target = command.IsKeyword(1, "MESSAGE") ? &dialogs.messages
                   : command.IsKeyword(1, "ERROR") ? &dialogs.errors
                                                   : nullptr;
    bool on = command.IsKeyword(2, "ON");
    if (!target || (!on && !command.IsKeyword(2, "OFF"))) call.FailUnreadable();
    call.ExpectEnd(3);
    *target = on;
}

}  // namespace

void RegisterDialogCommands(CommandTable& table) {
    table.Route("DIALOGS", "", SwitchDialogs);
}

}  // namespace orvalis::sim
