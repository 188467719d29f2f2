#include "host/sim_factory.h"

#include "host/sim/project_loader.h"
#include "host/sim/sim_folder.h"
#include "host/sim/sim_host.h"
#include "mainwin/drive_paths.h"

namespace orvalis::host {

std::unique_ptr<HostBackend> MakeSimBackend(const std::string& project_path) {
    std::filesystem::path file =
        project_path.empty() ? sim::SampleProjectFile() : ResolvePath(project_path);
    sim::Project project = sim::LoadProjectFile(file);
    sim::PrepareHostFolders(project.path);
    return std::make_unique<sim::SimHost>(std::move(project));
}

}  // namespace orvalis::host
