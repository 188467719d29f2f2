#pragma once

#include <functional>
#include <optional>

namespace orvalis::host {

class HostChannel;
class HostError;

// What one step of a pass did with its toolpath.
enum class StepEnd {
    kDone,     // the work was done on it
    kSkipped,  // it was passed over (the step said why); the pass goes on
    kStop,     // it failed in a way the step told; the pass ends there
};

// What a host call that failed in a step means for the rest of the pass.
enum class AfterFailure { kStop, kGoOn };

// The step for toolpath `index`. It may throw HostError; a Cancelled ends
// the pass.
using PassStep = std::function<StepEnd(int index)>;
// Told of a failed host call (never a cancel) of toolpath `index`.
using PassFailure = std::function<AfterFailure(int index, const HostError& error)>;

struct PassCount {
    int done = 0;     // steps that did their toolpath
    int skipped = 0;  // steps that passed over theirs
    // The toolpath at which a failure or a cancel ended the pass.
    std::optional<int> stopped_at;
    bool cancelled = false;
    // The toolpaths from the one the pass stopped at to the last: not done.
    int not_done = 0;
};

// Runs `step` over toolpaths 0 to `count` - 1 as one long work of `pm`, which
// the user may cancel: the pass then stops at the toolpath under way, whose
// host call was refused, and the caller says from where it left the rest.
// A step whose host call failed otherwise goes to `failed`, which tells the
// user and says whether the pass goes on.
PassCount RunToolpathPass(HostChannel& pm, int count, const PassStep& step,
                          const PassFailure& failed);

}  // namespace orvalis::host
