#pragma once

#include "sim/command_table.h"

namespace orvalis::sim {

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
// Patterns and their transforms, what is drawn, the view and its bitmaps.
void RegisterPatternCommands(CommandTable& table);
void RegisterTransformCommands(CommandTable& table);
void RegisterDisplayCommands(CommandTable& table);
void RegisterViewCommands(CommandTable& table);
void RegisterToolCommands(CommandTable& table);
void RegisterCollisionCommands(CommandTable& table);
void RegisterNcProgramCommands(CommandTable& table);
// The explorer's selection of an NC program, reached through the pattern family's route.
class CommandCall;
void SelectNcProgramInExplorer(CommandCall& call);
void RegisterRenameCommands(CommandTable& table);
// Commands the program sends that are accepted and recorded until their
// family gives them effect.
void RegisterAcceptedCommands(CommandTable& table);

void RegisterCommandFamilies(CommandTable& table);

// Every command the simulated host knows, built once.
const CommandTable& HostCommands();

}  // namespace orvalis::sim
