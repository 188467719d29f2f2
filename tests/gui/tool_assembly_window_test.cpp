#include "gui/tool_assembly_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "data_files/tool_assembly_file.h"
#include "gui/find_window.h"
#include "gui/flex_grid_view.h"
#include "gui/gui_forms.h"
#include "gui/main_window.h"
#include "support/forms_rig.h"
#include "window_models/main_window_model.h"
#include "window_models/tool_assembly_window_model.h"

namespace orvalis::gui {
namespace {

const std::string kTwoRecords =
    "\"10\",\"75\",\"10\",\"10\",\"30\",\"\",\"\",\"\",\"24\",\"32\",\"30\",\"\",\"\",\"\",\"0.5\","
    "\"2\"\r\n"
    "\"6\",\"57\",\"5.8\",\"6\",\"20\",\"6\",\"6\",\"15\",\"16\",\"24\",\"30\",\"\",\"\",\"\","
    "\"0.3\",\"1.5\"\r\n";

struct ToolAssemblyWindowFixture : ::testing::Test {
    testing::FormsRig rig{"version 8009\n"};
    GuiForms gui;
    MainWindow* main = nullptr;

    void SetUp() override {
        rig.drives().Write(settings::ToolAssemblyFilePath(), kTwoRecords);
        gui.Attach(rig.forms());
        rig.forms().main_window().Show();
        main = FindWindow<MainWindow>();
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(ToolAssemblyWindowFixture, TheMainWindowsButtonOpensTheTableOnTop) {
    ASSERT_TRUE(main->Button(rig.forms().main_window().tool_settings_button)->isEnabled());
    QTest::mouseClick(main->Button(rig.forms().main_window().tool_settings_button), Qt::LeftButton);
    auto* window = FindWindow<ToolAssemblyWindow>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Grid()->columnCount(), 16);
    EXPECT_EQ(window->Grid()->horizontalHeaderItem(15)->text(), QStringLiteral("홀더오버"));
    EXPECT_EQ(window->Grid()->item(1, 2)->text(), QStringLiteral("5.8"));
    EXPECT_TRUE(window->SteelOption()->isChecked());
}

TEST_F(ToolAssemblyWindowFixture, TypingAndTheButtonsReachTheModelAndClosingUnloadsIt) {
    QTest::mouseClick(main->Button(rig.forms().main_window().tool_settings_button), Qt::LeftButton);
    QPointer<ToolAssemblyWindow> window = FindWindow<ToolAssemblyWindow>();
    ASSERT_NE(window, nullptr);
    QTest::keyClicks(window->EntryBox(1), "8");
    QTest::keyClicks(window->EntryBox(16), "1");
    EXPECT_EQ(rig.forms().tool_assembly_window().EntryBox(1).Text(), "8");
    QTest::mouseClick(window->Button(rig.forms().tool_assembly_window().save_button),
                      Qt::LeftButton);
    EXPECT_EQ(window->Grid()->rowCount(), 3);
    EXPECT_EQ(window->Grid()->item(2, 0)->text(), QStringLiteral("8"));
    EXPECT_EQ(window->EntryBox(1)->text(), QString());

    window->Grid()->setCurrentCell(1, 0);  // the 6 record
    rig.interaction().confirm_answer = true;
    QTest::mouseClick(window->Button(rig.forms().tool_assembly_window().delete_button),
                      Qt::LeftButton);
    EXPECT_EQ(window->Grid()->rowCount(), 2);
    EXPECT_EQ(window->Grid()->item(1, 0)->text(), QStringLiteral("8"));

    window->close();
    EXPECT_FALSE(rig.forms().HasToolAssemblyWindow());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(ToolAssemblyWindowFixture, TheCheckBoxesRunTheirChecksUnderTheirMarks) {
    ASSERT_TRUE(main->CollisionCheck()->isEnabled());
    ASSERT_TRUE(main->GougeCheck()->isEnabled());
    QTest::mouseClick(main->GougeCheck(), Qt::LeftButton);
    EXPECT_EQ(rig.forms().main_window().gouge_check.Value, 1);
    EXPECT_TRUE(main->GougeCheck()->isChecked());
    QTest::mouseClick(main->CollisionCheck(), Qt::LeftButton);
    QTest::mouseClick(main->CollisionCheck(), Qt::LeftButton);
    EXPECT_EQ(rig.forms().main_window().collision_check.Value, 0);
    EXPECT_FALSE(main->CollisionCheck()->isChecked());
    std::vector<std::string> marks;
    for (const auto& line : rig.Transcript()) {
        if (line.rfind("# ", 0) == 0) marks.push_back(line);
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"# gouge", "# collision", "# collision"}));
}

}  // namespace
}  // namespace orvalis::gui
