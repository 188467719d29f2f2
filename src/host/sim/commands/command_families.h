#pragma once

#include "host/sim/command_table.h"

namespace orvalis::host::sim {

// Each family of host commands registers its routes here. A new family is a
// new file with one Register function, listed in RegisterCommandFamilies.

void RegisterDialogCommands(CommandTable& table);
void RegisterPreferenceCommands(CommandTable& table);
void RegisterActivationCommands(CommandTable& table);
void RegisterStatisticsCommands(CommandTable& table);
void RegisterPrintValueCommands(CommandTable& table);
void RegisterFormValueCommands(CommandTable& table);
void RegisterEntityReportCommands(CommandTable& table);
void RegisterSizeCommands(CommandTable& table);
void RegisterBlockCommands(CommandTable& table);
void RegisterNcProgramCommands(CommandTable& table);
void RegisterRenameCommands(CommandTable& table);
// Commands the program sends that are accepted and recorded until their
// family gives them effect.
void RegisterAcceptedCommands(CommandTable& table);

void RegisterCommandFamilies(CommandTable& table);

// Every command the simulated host knows, built once.
const CommandTable& HostCommands();

}  // namespace orvalis::host::sim
