#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "sim/project.h"
#include "sim/project_fields.h"

namespace orvalis::sim {

// Reads a project file (the JSON format of docs/simulated-host.md). Throws
// ProjectFileError naming the file, the line and what is wrong, also for a
// file that cannot be read.
Project LoadProjectFile(const std::filesystem::path& file);

// The same for a text already read; `file` names it in errors.
Project ParseProject(std::string_view text, const std::string& file);

}  // namespace orvalis::sim
