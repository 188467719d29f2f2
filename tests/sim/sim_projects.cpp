#include "sim_projects.h"

#include "host/session.h"
#include "sim/project_loader.h"

namespace orvalis::testing {

using namespace sim;

Project SampleProject() {
    return LoadProjectFile(ORVALIS_TEST_SIM_DIR "/sample-project.json");
}

Project SmallProject() {
    Project project;
    project.name = "SMALL";
    project.path = "C:\\JOBS\\SMALL";
    project.version = 8009;
    project.model_limits = {-50, 50, -40, 40, -30, 0};
    project.tools.push_back({"D10", ToolType::kEndMill, 10, 0, 75, 35, {}, {}});
    project.tools.push_back({"D10R1", ToolType::kTipRadiused, 10, 1, 100.5, 35.2, {}, {}});
    Toolpath toolpath;
    toolpath.name = "TP";
    toolpath.tool = "D10";
    toolpath.lowest_z = -12;
    project.toolpaths.push_back(toolpath);
    return project;
}

namespace {

std::shared_ptr<host::HostSession> MakeSession(Project project, SimHost*& host) {
    auto backend = std::make_unique<SimHost>(std::move(project));
    host = backend.get();
    return std::make_shared<host::HostSession>(std::move(backend), nullptr);
}

}  // namespace

SimRig::SimRig(Project project) : session(MakeSession(std::move(project), host)), pm(session) {
    pm.Connect();
}

}  // namespace orvalis::testing
