#include "gui/busy_work.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/flex_grid_view.h"
#include "gui/main_window.h"
#include "host/session.h"
#include "host/system_backends.h"
#include "sim/sim_backend.h"
#include "support/forms_rig.h"
#include "support/temp_folder.h"
#include "window_models/forms.h"
#include "window_models/main_window_model.h"

namespace orvalis::gui {
namespace {

// The hosts a survey runs against: the simulated host in-process and, in the
// Windows build, the stand-in for the host's automation control, reached
// through COM from this thread, the one Qt's event loop runs on (make
// windows-test registers the stand-in in the Wine prefix first).
std::vector<std::string> Hosts() {
    std::vector<std::string> hosts{"sim"};
#ifdef ORVALIS_TEST_COM_HOST
    hosts.push_back("com");
#endif
    return hosts;
}

std::unique_ptr<host::HostBackend> MakeHost(const std::string& choice) {
    if (choice == "sim") return sim::MakeSimBackend("");
    host::RegisterSystemBackends();
    return host::MakeBackend(choice);
}

// The main window over the sample project, whose estimates take 200 ms each,
// with the program's busy-work guard.
struct SlowHostFixture : ::testing::TestWithParam<std::string> {
    testing::TempDrives drives;
    testing::TempFolder folder;
    testing::ScopedEnv data{"ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR};
    testing::ScopedEnv latency{"ORVALIS_SIM_LATENCY", "TOOLPATHSTATS ESTIMATE=200"};
    std::string transcript = (folder.path() / "transcript").string();
    std::shared_ptr<host::HostSession> session = std::make_shared<host::HostSession>(
        MakeHost(GetParam()), std::make_unique<host::Transcript>(transcript));
    testing::RecordingInteraction interaction;
    forms::Forms forms{session, interaction};
    std::shared_ptr<MainWindowModel> model = std::make_shared<MainWindowModel>(forms);
    MainWindow window{model, [this](const std::string& action) { session->Mark(action); }};
    BusyWork busy{*session};

    void SetUp() override {
        busy.AddCancelButton(window.CancelButton());
        busy.AddBlockedWidget(window.centralWidget());
        model->Load();
        QTest::mouseClick(window.Button(model->add_all_button), Qt::LeftButton);  // every toolpath
    }
};

INSTANTIATE_TEST_SUITE_P(Hosts, SlowHostFixture, ::testing::ValuesIn(Hosts()),
                         [](const auto& param_info) { return param_info.param; });

TEST_P(SlowHostFixture, TheStatusBarMovesOnAndCancelStopsTheSurveyAfterTheCurrentCall) {
    ASSERT_EQ(model->survey_list.ListCount(), 12);
    EXPECT_FALSE(window.CancelButton()->isEnabled());
    std::vector<QString> statuses;
    long calls_at_cancel = -1;
    bool other_button_blocked = false;
    bool cancel_enabled = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QString status = window.StatusPanel()->text();
        if (statuses.empty() || statuses.back() != status) statuses.push_back(status);
        if (calls_at_cancel >= 0 || !status.startsWith(QStringLiteral("조회 중 3/12"))) return;
        // While the host works, "<<" does nothing; "취소" is taken.
        QTest::mouseClick(window.Button(model->remove_all_button), Qt::LeftButton);
        other_button_blocked = model->survey_list.ListCount() == 12;
        cancel_enabled = window.CancelButton()->isEnabled();
        calls_at_cancel = session->cost().calls;
        QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
    });
    watch.start(20);
    QTest::mouseClick(window.Button(model->survey_button), Qt::LeftButton);
    watch.stop();

    ASSERT_GE(calls_at_cancel, 0) << "the survey ran without the window's events being handled";
    EXPECT_TRUE(other_button_blocked);
    EXPECT_TRUE(cancel_enabled);
    EXPECT_FALSE(window.CancelButton()->isEnabled());
    EXPECT_TRUE(window.centralWidget()->isEnabled());
    EXPECT_TRUE(statuses.at(0).startsWith(QStringLiteral("조회 중 1/12: 01-ROUGH-D16R1")))
        << statuses.at(0).toStdString();

    // After the click only the three closing commands reached the host.
    EXPECT_EQ(session->cost().calls - calls_at_cancel, 3);
    // The rows surveyed so far show (LongWork: what a cancel keeps).
    EXPECT_EQ(window.Grid()->item(1, 0)->text(), QStringLiteral("02-REST-PROFILE-D10"));
    EXPECT_EQ(window.StatusPanel()->text().toStdString(), model->status_bar);
}

// The collision pass minimises the main window for the host's view: a small
// window of its own then shows how far the work is and takes "취소".
TEST_P(SlowHostFixture, WhileTheMainWindowIsMinimisedASmallWindowShowsProgressAndCancels) {
    busy.ShowProgressWhileMinimised(&window, [this] { return window.StatusPanel()->text(); });
    window.showMinimized();
    QString shown;
    bool clicked = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* progress = busy.ProgressWindow();
        if (clicked || !progress || !progress->isVisible()) return;
        shown = progress->findChild<QLabel*>()->text();
        if (!shown.startsWith(QStringLiteral("조회 중 2/12"))) return;
        clicked = true;
        QTest::mouseClick(busy.ProgressCancelButton(), Qt::LeftButton);
    });
    watch.start(20);
    QTest::mouseClick(window.Button(model->survey_button), Qt::LeftButton);
    watch.stop();

    ASSERT_TRUE(clicked) << "no progress window while the main window was minimised";
    EXPECT_TRUE(shown.startsWith(QStringLiteral("조회 중 2/12: 02-REST-PROFILE-D10")))
        << shown.toStdString();
    EXPECT_EQ(model->last_survey().rows.size(), 1u);   // stopped after the call under way
    EXPECT_FALSE(busy.ProgressWindow()->isVisible());  // gone with the work
}

}  // namespace
}  // namespace orvalis::gui