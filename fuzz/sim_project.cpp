// The simulated host's project loader on any file a person may write. A file
// is refused with a ProjectFileError naming what is wrong; a project it
// accepts must serve the survey of its first toolpaths: the survey must be
// able to read every report and answer the host prints for it.
#include <memory>

#include "fuzz_check.h"
#include "host/channel.h"
#include "host/host_error.h"
#include "host/session.h"
#include "sim/project_loader.h"
#include "sim/sim_host.h"
#include "survey/survey.h"

namespace {

namespace sim = orvalis::sim;

void SurveyFirstToolpaths(sim::Project project) {
    std::vector<std::string> names;
    for (const auto& toolpath : project.toolpaths) names.push_back(toolpath.name);
    if (names.size() > 3) names.resize(3);
    auto session = std::make_shared<orvalis::host::HostSession>(
        std::make_unique<sim::SimHost>(std::move(project)), nullptr);
    orvalis::host::HostChannel pm(session);
    pm.Connect();
    for (const auto& name : names) {
        try {
            auto values = orvalis::survey::SurveyToolpath(pm, name);
            orvalis::fuzz::Require(values.machining_time.find('-') == std::string::npos,
                                   "the machining time is a duration");
        } catch (const orvalis::host::HostError&) {
        }
    }
    try {
        pm.RunCommand("EDIT BLOCK RESET");
        pm.FetchBlock();
        for (int index = 1; index <= 6; ++index) pm.BlockLimit(index);
    } catch (const orvalis::host::HostError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    sim::Project project;
    try {
        project = sim::ParseProject(orvalis::fuzz::InputText(data, size), "fuzz.json");
    } catch (const sim::ProjectFileError&) {
        return 0;
    }
    SurveyFirstToolpaths(std::move(project));
    return 0;
}
