#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvalis::sim {

// The host's post-processor option folder, which the main window lists.
inline constexpr std::string_view kPostOptionFolder = "C:\\dcam\\config\\ductpost\\";

// The folder of the simulated host's shipped files (the sample project and the
// post-processor options): $ORVALIS_SIM_DIR, else share/orvalis/sim beside the
// installed program, else the source tree's sim/.
std::filesystem::path ShippedSimDir();

// The bundled sample project.
std::filesystem::path SampleProjectFile();

// What the host has on disk when it starts: the project's folder, and the
// post-processor option folder filled from the shipped options without
// overwriting a file that exists. Throws FileError when a folder cannot be
// made or a file cannot be copied.
void PrepareHostFolders(const std::string& project_path);

}  // namespace orvalis::sim
