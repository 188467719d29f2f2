#pragma once

#include "cli/cli.h"

namespace orvalis::cli {

// One function per command; each returns the exit status and throws
// UsageError, host::HostError or FileError for the dispatcher to report.
int RunSettings(CommandContext& context);
int RunSurvey(CommandContext& context);
int RunToolpaths(CommandContext& context);
int RunCapture(CommandContext& context);
int RunPost(CommandContext& context);
int RunRename(CommandContext& context);
int RunSheet(CommandContext& context);
int RunPictures(CommandContext& context);
int RunTypicalRun(CommandContext& context);
int RunCollision(CommandContext& context);
int RunGouge(CommandContext& context);
int RunCompare(CommandContext& context);

}  // namespace orvalis::cli
