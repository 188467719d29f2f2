#pragma once

#include <memory>
#include <string>

#include "host/backend.h"

namespace orvalis::host {

// The simulated host with the project file `project_path`, or with the bundled
// sample project when the path is empty (a native or a drive path). Prepares
// the folders the host keeps on disk. Throws FileError (ProjectFileError for a
// project file it cannot use: file, line and what is wrong).
std::unique_ptr<HostBackend> MakeSimBackend(const std::string& project_path);

}  // namespace orvalis::host
