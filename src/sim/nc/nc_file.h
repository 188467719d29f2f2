#pragma once

#include "sim/project.h"

namespace orvalis::sim {

// Writes the NC program's file as the host does on "KEEP NCPROGRAM": the
// program in the dialect of its option file, to its file name (a drive path
// or a native one), in code page 949 with CR LF. The file is replaced whole or
// not at all. Refuses, with the host's text, a program without option file or
// file name, an option file that is missing or unusable, a folder that does
// not exist and a file that cannot be written.
void KeepNcFile(const Project& project, const NcProgram& program);

}  // namespace orvalis::sim
