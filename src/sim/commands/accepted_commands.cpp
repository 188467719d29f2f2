#include "sim/commands/command_families.h"

namespace orvalis::sim {

void RegisterAcceptedCommands(CommandTable& table) {
    // Entity commands whose families come later: NC programs, tool clones and
    // edits, patterns, models, colours, renaming.
    for (const char* verb : {"CREATE", "EDIT", "DELETE", "ACTIVATE", "DEACTIVATE", "RENAME"}) {
        table.Accept(verb);
    }
    // Display, selection, transforms, bitmaps, NC output and collision checks.
    for (const char* verb : {"DRAW", "UNDRAW", "VIEW", "ROTATE", "REFRESH", "UNSET", "EXPLORER",
                             "TRANSFORM", "KEEP", "NCTOOLPATH", "COLLISION"}) {
        table.Accept(verb);
    }
    // Session switches sent before long command sequences.
    for (const char* verb : {"TOOLBAR", "ECHO", "DCPDEBUG"}) table.Accept(verb);

    // "EDIT COLLISION TYPE COLLISION": its words are settings, not commands.
    table.Accept("EDIT", "COLLISION");
    table.SetRestOfLine("EDIT", "COLLISION");
    // "EDIT NCPROGRAM 'a' FILENAME C:\NC DATA\a.nc": the rest is a path.
    table.AddTailKeyword("FILENAME");
    table.AddTailKeyword("TAPEOPTIONS");
}

}  // namespace orvalis::sim
