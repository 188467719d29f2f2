#pragma once

namespace orvalis {

// Ctrl-C at a terminal (SIGINT; on Windows the console's Ctrl-C or
// Ctrl-Break) is noted instead of ending the program at once, so a command
// line run can stop the host work as 취소 does: the closing commands still
// go to the host and the files already written stay. A second Ctrl-C ends
// the program as usual.
void CatchInterrupt();

// Whether Ctrl-C was pressed since CatchInterrupt.
bool Interrupted();

}  // namespace orvalis
