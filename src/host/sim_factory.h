#pragma once

#include <memory>
#include <string>

#include "host/backend.h"

namespace orvalis::host {

// The simulated host with the project file `project_path`, or with the bundled
// sample project when the path is empty.
std::unique_ptr<HostBackend> MakeSimBackend(const std::string& project_path);

}  // namespace orvalis::host
