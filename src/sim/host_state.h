#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/collision_form.h"
#include "sim/project.h"
#include "sim/scene.h"

namespace orvalis::sim {

// The simulated host while it runs: the open project and what the host keeps
// beside it between calls.
struct HostState {
    Project project;
    // The block as the automation control last fetched it; BlockLimit reads it.
    std::optional<Limits> fetched_block;
    // Forms the host has open, by upper-case name ("TOOLPATHSTATS").
    std::set<std::string> open_forms;
    // The machining time of the last estimate, shown by the statistics form.
    std::optional<double> estimated_seconds;
    // Commands accepted without effect yet, as sent, in order.
    std::vector<std::string> recorded;
    // Error texts of commands refused while the host's error dialogs were off.
    std::vector<std::string> quiet_errors;
    // What is drawn, the view, and the pattern selection and transform.
    Scene scene;
    // The collision form's settings.
    CollisionForm collision;
};

}  // namespace orvalis::sim
