#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "host/backend.h"

namespace orvalis::sim {

// How long the simulated host takes to answer, to try the program against a
// host as slow as a real one on a large project. A key is the beginning of a
// command line ("TOOLPATHSTATS ESTIMATE") or the name of an automation
// operation ("ToolpathNames", "BlockLimit"); "*" is every other call. The
// longest key that begins the call gives its delay; letter case and the
// line's leading blanks do not count. Empty: the host answers at once.
class LatencyModel {
  public:
    void Set(const std::string& key, std::chrono::milliseconds delay);
    // Adds "KEY=MS,KEY=MS" entries, as $ORVALIS_SIM_LATENCY gives them.
    // Throws host::HostError naming the entry it cannot read.
    void AddEntries(std::string_view text);

    std::chrono::milliseconds DelayFor(std::string_view call) const;
    bool empty() const { return delays_.empty(); }

  private:
    std::map<std::string, std::chrono::milliseconds> delays_;  // upper-case key -> delay
};

// The delays of $ORVALIS_SIM_LATENCY over those of the project file.
// Throws host::HostError for an entry it cannot read.
LatencyModel LatencyFromEnvironment(LatencyModel from_project);

// Wraps a backend so each call waits its delay before being answered.
std::unique_ptr<host::HostBackend> WithLatency(std::unique_ptr<host::HostBackend> backend,
                                               LatencyModel latency);

}  // namespace orvalis::sim
