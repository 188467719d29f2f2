#pragma once

#include <memory>
#include <string>

#include "host/channel.h"
#include "sim/project.h"
#include "sim/sim_host.h"

namespace orvalis::testing {

// The bundled sample project, read from the source tree's sim/ folder.
sim::Project SampleProject();

// A small project: the model 100 x 80 x 30, the tools "D10" (end mill) and
// "D10R1" (tip-radiused), one toolpath "TP" on D10.
sim::Project SmallProject();

// A simulated host behind a connected channel, as a window holds it.
struct SimRig {
    explicit SimRig(sim::Project project);

    sim::SimHost* host;  // owned by the session
    std::shared_ptr<host::HostSession> session;
    host::HostChannel pm;
};

}  // namespace orvalis::testing
