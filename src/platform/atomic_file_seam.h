#pragma once

namespace orvalis {

// For tests of interrupted writes: the next ReplaceFileAtomically (or
// CreateFileAtomically) writes and flushes its temporary file and then fails
// with FileError instead of renaming it into place, as a process stopped at
// that moment would. One failure per call; the calls after it work again.
void FailNextReplaceBeforeRename();

// For tests of how often files are read: the number of ReadFileBytes calls
// made so far in this process.
unsigned long FileReadCount();

}  // namespace orvalis
