#include "sim/sim_backend.h"

#include "host/session.h"
#include "platform/drive_paths.h"
#include "sim/latency_model.h"
#include "sim/project_loader.h"
#include "sim/sim_folder.h"
#include "sim/sim_host.h"

namespace orvalis::sim {

std::unique_ptr<host::HostBackend> MakeSimBackend(const std::string& project_path) {
    std::filesystem::path file =
        project_path.empty() ? SampleProjectFile() : ResolvePath(project_path);
    Project project = LoadProjectFile(file);
    PrepareHostFolders(project.path);
    LatencyModel latency = LatencyFromEnvironment(project.latency);
    return WithLatency(std::make_unique<SimHost>(std::move(project)), std::move(latency));
}

void RegisterSimBackend() {
    host::RegisterBackend("sim", MakeSimBackend);
}

}  // namespace orvalis::sim
