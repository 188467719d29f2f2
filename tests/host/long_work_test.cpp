#include "host/host_work.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/channel.h"
#include "host/session.h"
#include "nc_output/nc_post.h"
#include "sim/sim_backend.h"
#include "support/temp_folder.h"
#include "survey/survey.h"

namespace orvalis::host {
namespace {

// Counts what the session tells a front end and cancels before a given call.
struct CancellingWatcher : WorkWatcher {
    explicit CancellingWatcher(HostSession& watched) : session(watched) {
        session.SetWatcher(this);
    }
    ~CancellingWatcher() override { session.SetWatcher(nullptr); }
    void WorkStarted() override { ++started; }
    void BetweenCalls() override {
        if (++calls == cancel_before) session.RequestCancel();
    }
    void WorkEnded() override { ++ended; }

    HostSession& session;
    int cancel_before = 0;
    int started = 0, calls = 0, ended = 0;
};

// The sample project on the simulated host, for the operations below.
struct SampleHost {
    testing::TempDrives drives;
    testing::TempFolder folder;
    std::shared_ptr<HostSession> session =
        std::make_shared<HostSession>(sim::MakeSimBackend(""), nullptr);
    HostChannel pm{session};
    CancellingWatcher watcher{*session};
};

TEST(LongWork, ACancelRefusesTheNextCallOnceAndOnlyDuringWork) {
    SampleHost host;
    HostChannel& pm = host.pm;
    HostSession* session = host.session.get();
    CancellingWatcher& watcher = host.watcher;
    pm.Connect();

    session->RequestCancel();  // no work runs: nothing to cancel
    pm.RunCommand("DIALOGS MESSAGE OFF");
    EXPECT_EQ(watcher.calls, 0);  // outside work the front end is not called

    watcher.cancel_before = 2;
    {
        LongWork outer(pm);
        LongWork inner(pm);  // work inside work is one work
        pm.RunCommand("DIALOGS ERROR OFF");
        long calls_before = session->cost().calls;
        EXPECT_THROW(pm.RunCommand("DIALOGS ERROR ON"), Cancelled);
        EXPECT_EQ(session->cost().calls, calls_before);  // the refused call never reached the host
        EXPECT_TRUE(pm.cancelled());
        pm.RunCommand("DIALOGS MESSAGE ON");  // the closing commands go through
        EXPECT_EQ(session->cost().calls, calls_before + 1);
    }
    EXPECT_EQ(watcher.started, 1);
    EXPECT_EQ(watcher.ended, 1);
    EXPECT_EQ(watcher.calls, 3);

    LongWork next(pm);
    EXPECT_FALSE(pm.cancelled());  // a new work starts uncancelled
    pm.RunCommand("DIALOGS ERROR ON");
}

const std::vector<std::string> kFour = {"01-ROUGH-D16R1", "02-REST-PROFILE-D10",
                                        "03-WALL-ZLEVEL-D10R0.5", "04-SEMI-OPTI-D8B"};

TEST(LongWork, ACancelledSurveyKeepsItsRowsAndSaysWhatItLeft) {
    SampleHost host;
    LongWork work(host.pm);
    long calls_at_cancel = 0;
    auto result = survey::RunSurvey(host.pm, kFour, survey::AssemblyValues{}, [&](int index) {
        if (index != 2) return;
        host.session->RequestCancel();
        calls_at_cancel = host.session->cost().calls;
    });
    EXPECT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(result.failed_entry, 2);
    EXPECT_EQ(result.problems,
              std::vector<std::string>{"취소했습니다: '03-WALL-ZLEVEL-D10R0.5' 툴패스(3번째)부터 "
                                       "2개는 불러오지 않았습니다"});
    EXPECT_EQ(host.session->cost().calls - calls_at_cancel, 3);  // the closing commands only
}

TEST(LongWork, ACancelledNcPostKeepsTheFilesWrittenAndStillCleansUp) {
    SampleHost host;
    LongWork work(host.pm);
    std::vector<nc_output::PostEntry> entries;
    for (const auto& name : kFour) entries.push_back({name, "OP-" + name.substr(0, 2)});
    long calls_at_cancel = 0;
    auto result = nc_output::RunNcPost(host.pm, entries,
                                       nc_output::kPostFolder + std::string("Fanuc-0i-3X.opt"),
                                       host.folder.path().string(), "nc", [&](int index) {
                                           if (index != 1) return;
                                           host.session->RequestCancel();
                                           calls_at_cancel = host.session->cost().calls;
                                       });
    ASSERT_EQ(result.written.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(host.folder.path() / "OP-01.nc"));
    EXPECT_FALSE(std::filesystem::exists(host.folder.path() / "OP-02.nc"));
    EXPECT_EQ(result.failure,
              "취소했습니다: 2번째 툴패스 '02-REST-PROFILE-D10'부터 3개의 NC 파일은 만들지 "
              "않았습니다");
    // "DELETE NCPROGRAM ALL" and "DIALOGS MESSAGE ON" after the refused call.
    EXPECT_EQ(host.session->cost().calls - calls_at_cancel, 2);
}

}  // namespace
}  // namespace orvalis::host
