// Linked into every test and benchmark program that reaches the simulated
// host by name ("sim", "sim:PROJECT.json"), as the programs do at start.
#include "sim/sim_backend.h"

namespace {

[[maybe_unused]] const bool kSimRegistered = (orvalis::sim::RegisterSimBackend(), true);

}  // namespace
