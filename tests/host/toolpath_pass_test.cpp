#include "host/toolpath_pass.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/channel.h"
#include "host/host_work.h"
#include "host/session.h"
#include "host/unreachable_backend.h"

namespace orvalis::host {
namespace {

// Tells whether long work is running, as a front end sees it.
struct WorkSeen : WorkWatcher {
    void WorkStarted() override { ++started; }
    void BetweenCalls() override {}
    void WorkEnded() override { ++ended; }
    bool Running() const { return started == 1 && ended == 0; }
    int started = 0, ended = 0;
};

// Each character is one toolpath's step: D done, S skipped, X a failure the
// step tells itself, F a failed host call, C the call a cancel refused.
TEST(ToolpathPass, CountsWhatWasDoneAndWhereACancelOrAFailureStoppedIt) {
    const struct {
        const char* steps;
        AfterFailure after_failure;
        int run;  // steps called
        int done;
        int skipped;
        std::optional<int> stopped_at;
        bool cancelled;
        int not_done;
        std::vector<int> failures;  // the toolpaths `failed` was told of
    } cases[] = {
        {"", AfterFailure::kStop, 0, 0, 0, std::nullopt, false, 0, {}},
        {"DSD", AfterFailure::kStop, 3, 2, 1, std::nullopt, false, 0, {}},
        {"CDD", AfterFailure::kStop, 1, 0, 0, 0, true, 3, {}},
        {"DSCDD", AfterFailure::kGoOn, 3, 1, 1, 2, true, 3, {}},
        {"DDDC", AfterFailure::kStop, 4, 3, 0, 3, true, 1, {}},
        {"DFDD", AfterFailure::kStop, 2, 1, 0, 1, false, 3, {1}},
        {"DFDF", AfterFailure::kGoOn, 4, 2, 0, std::nullopt, false, 0, {1, 3}},
        {"FDCD", AfterFailure::kGoOn, 3, 1, 0, 2, true, 2, {0}},
        {"DXD", AfterFailure::kGoOn, 2, 1, 0, 1, false, 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        auto session =
            std::make_shared<HostSession>(std::make_unique<UnreachableBackend>("no host"), nullptr);
        HostChannel pm(session);
        WorkSeen work;
        session->SetWatcher(&work);
        std::string steps = c.steps;
        int run = 0;
        bool always_working = true;
        std::vector<int> failures;
        PassCount pass = RunToolpathPass(
            pm, static_cast<int>(steps.size()),
            [&](int index) {
                ++run;
                always_working = always_working && work.Running();
                switch (steps[static_cast<std::size_t>(index)]) {
                    case 'S':
                        return StepEnd::kSkipped;
                    case 'X':
                        return StepEnd::kStop;
                    case 'F':
                        throw HostError("RunCommand X", "refused");
                    case 'C':
                        throw Cancelled("RunCommand X");
                }
                return StepEnd::kDone;
            },
            [&](int index, const HostError&) {
                failures.push_back(index);
                return c.after_failure;
            });
        EXPECT_EQ(run, c.run);
        EXPECT_EQ(pass.done, c.done);
        EXPECT_EQ(pass.skipped, c.skipped);
        EXPECT_EQ(pass.stopped_at, c.stopped_at);
        EXPECT_EQ(pass.cancelled, c.cancelled);
        EXPECT_EQ(pass.not_done, c.not_done);
        EXPECT_EQ(failures, c.failures);
        EXPECT_TRUE(always_working);  // the pass is long work the user may cancel
        EXPECT_EQ(work.ended, 1);
    }
}

}  // namespace
}  // namespace orvalis::host
