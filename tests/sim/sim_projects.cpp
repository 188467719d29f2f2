#include "sim_projects.h"

#include "host/session.h"
#include "sim/project_loader.h"

namespace orvalis::testing {

using namespace sim;

Project SampleProject() {
    return LoadProjectFile(ORVALIS_TEST_SIM_DIR "/sample-project.json");
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
