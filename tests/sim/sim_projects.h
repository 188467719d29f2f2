#pragma once

#include <memory>
#include <string>

#include "host/channel.h"
#include "sim/project.h"
#include "sim/sim_host.h"

namespace orvalis::testing {

// The bundled sample project, read from the source tree's sim/ folder.
sim::Project SampleProject();

// A simulated host behind a connected channel, as a window holds it.
struct SimRig {
    explicit SimRig(sim::Project project);

    sim::SimHost* host;  // owned by the session
    std::shared_ptr<host::HostSession> session;
    host::HostChannel pm;
};

}  // namespace orvalis::testing
