#include "sim/commands/command_families.h"

namespace orvalis::sim {

void RegisterCommandFamilies(CommandTable& table) {
    RegisterDialogCommands(table);
    RegisterPreferenceCommands(table);
    RegisterActivationCommands(table);
    RegisterStatisticsCommands(table);
    RegisterPrintValueCommands(table);
    RegisterFormValueCommands(table);
    RegisterEntityReportCommands(table);
    RegisterSizeCommands(table);
    RegisterBlockCommands(table);
    RegisterPatternCommands(table);
    RegisterTransformCommands(table);
    RegisterDisplayCommands(table);
    RegisterViewCommands(table);
    RegisterToolCommands(table);
    RegisterCollisionCommands(table);
    RegisterNcProgramCommands(table);
    RegisterRenameCommands(table);
    RegisterAcceptedCommands(table);  // last: it only fills what the families left open
}

const CommandTable& HostCommands() {
    static const CommandTable table = [] {
        CommandTable built;
        RegisterCommandFamilies(built);
        return built;
    }();
    return table;
}

}  // namespace orvalis::sim
