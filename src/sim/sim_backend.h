#pragma once

#include <memory>
#include <string>

#include "host/backend.h"

namespace orvalis::sim {

// The simulated host with the project file `project_path`, or with the bundled
// sample project when the path is empty (a native or a drive path). Prepares
// the folders the host keeps on disk. Throws FileError (ProjectFileError for a
// project file it cannot use: file, line and what is wrong).
std::unique_ptr<host::HostBackend> MakeSimBackend(const std::string& project_path);

// Lets a host choice name the simulated host: "sim" and "sim:PROJECT.json".
// Programs, tests and benchmarks that offer it call this once at start.
void RegisterSimBackend();

}  // namespace orvalis::sim
