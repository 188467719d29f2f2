#include "sim/sim_folder.h"

#include <system_error>

#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "platform/native_path.h"
#include "platform/shipped_folder.h"

#ifndef ORVALIS_SOURCE_SIM_DIR
#define ORVALIS_SOURCE_SIM_DIR "sim"
#endif
#ifndef ORVALIS_INSTALLED_SIM_DIR
#define ORVALIS_INSTALLED_SIM_DIR "../share/orvalis/sim"
#endif

namespace orvalis::sim {

namespace fs = std::filesystem;

fs::path ShippedSimDir() {
    return ShippedFolder("ORVALIS_SIM_DIR", ORVALIS_INSTALLED_SIM_DIR, ORVALIS_SOURCE_SIM_DIR);
}

fs::path SampleProjectFile() {
    return ShippedSimDir() / "sample-project.json";
}

void PrepareHostFolders(const std::string& project_path) {
    fs::path project_folder = ResolvePath(project_path);
    std::error_code error;
    fs::create_directories(project_folder, error);
    if (error) throw FileError(Utf8(project_folder), "cannot create the project folder");
    FillMissingFiles(ShippedSimDir() / "ductpost", kPostOptionFolder);
}

}  // namespace orvalis::sim
