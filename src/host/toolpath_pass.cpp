#include "host/toolpath_pass.h"

#include "host/host_error.h"
#include "host/host_work.h"

namespace orvalis::host {

PassCount RunToolpathPass(HostChannel& pm, int count, const PassStep& step,
                          const PassFailure& failed) {
    LongWork work(pm);
    PassCount pass;
    for (int index = 0; index < count; ++index) {
        StepEnd end = StepEnd::kStop;
        try {
            end = step(index);
        } catch (const Cancelled&) {
            pass.cancelled = true;
        } catch (const HostError& error) {
            if (failed(index, error) == AfterFailure::kGoOn) continue;
        }
        if (end == StepEnd::kDone) {
            ++pass.done;
        } else if (end == StepEnd::kSkipped) {
            ++pass.skipped;
        } else {
            pass.stopped_at = index;
            pass.not_done = count - index;
            break;
        }
    }
    return pass;
}

}  // namespace orvalis::host
