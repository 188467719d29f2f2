#pragma once

namespace orvalis {

// Ctrl-C at a terminal (SIGINT; on Windows the console's Ctrl-C or
// Ctrl-Break) is noted instead of ending the program at once, so a command
// line run can stop the host work as 취소 does: the closing commands still
// go to the host and the files already written stay. A second Ctrl-C ends
// the program as usual.
void CatchInterrupt();

// A reader that went away (`orvalis-cli toolpaths | head -1`) makes the next
// write fail instead of ending the program with SIGPIPE, so the command can
// say so and exit 1, and the host still gets its closing commands. Nothing
// to do on Windows, which has no such signal.
void IgnoreClosedPipes();

// Whether Ctrl-C was pressed since CatchInterrupt.
bool Interrupted();

}  // namespace orvalis
