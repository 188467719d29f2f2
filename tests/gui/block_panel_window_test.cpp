#include "gui/block_panel_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/fonts.h"
#include "gui/gui_forms.h"
#include "support/forms_rig.h"
#include "window_models/block_panel_model.h"
#include "window_models/main_window_model.h"

namespace orvalis::gui {
namespace {

BlockPanelWindow* OpenPanel() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* panel = qobject_cast<BlockPanelWindow*>(widget);
        if (panel && panel->isVisible()) return panel;
    }
    return nullptr;
}

TEST(BlockPanelWindow, ShowsTheLimitsForwardsTypingAndClosesAfterCapture) {
    testing::FormsRig rig("version 8009\nblock -50 120 -40 40 -30 0\n");
    GuiForms gui;
    gui.Attach(rig.forms());
    MainWindowModel& main_window = rig.forms().main_window();
    main_window.Show();
    main_window.ClickCapture();
    BlockPanelWindow* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->LimitBox(1)->text(), QStringLiteral("-50"));
    // The grid's font, whose decimal point and comma differ.
    EXPECT_EQ(panel->LimitBox(1)->font().families(), GridFont().families());
    EXPECT_EQ(panel->LimitBox(6)->text(), QStringLiteral("0"));
    EXPECT_EQ(main_window.WindowState(), forms::Window::kMinimized);

    panel->LimitBox(2)->clear();
    QTest::keyClicks(panel->LimitBox(2), "-7");
    EXPECT_EQ(rig.forms().block_panel().x_maximum.Text(), "-7");
    EXPECT_EQ(rig.Transcript().back(), "SetBlockLimit 2 -7");

    QTest::mouseClick(panel->CaptureButton(), Qt::LeftButton);
    EXPECT_FALSE(rig.forms().HasBlockPanel());
    EXPECT_EQ(main_window.WindowState(), forms::Window::kNormal);
    QApplication::processEvents();
    EXPECT_EQ(OpenPanel(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Which box is which is written beside them; a keystroke the model refuses
// (BlockPanelModel's tests) leaves the box showing what the model kept, and
// without a block "캡처" cannot be pressed.
TEST(BlockPanelWindow, LabelsTheBoxesShowsWhatTheModelKeptAndWaitsForABlock) {
    testing::FormsRig rig("block -50 120 -40 40 -30 0\nfail FetchBlock\n");
    GuiForms gui;
    gui.Attach(rig.forms());
    rig.forms().main_window().ClickCapture();
    BlockPanelWindow* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    QStringList labels;
    for (QLabel* label : panel->findChildren<QLabel*>()) labels << label->text();
    labels.sort();
    EXPECT_EQ(labels, (QStringList{"X", "Y", "Z", "최대", "최소"}));
    EXPECT_FALSE(panel->CaptureButton()->isEnabled());

    QTest::keyClicks(panel->LimitBox(4), "-12.5mm");
    EXPECT_EQ(panel->LimitBox(4)->text(), QStringLiteral("-12.5"));
    EXPECT_EQ(rig.forms().block_panel().y_maximum.Text(), "-12.5");
    panel->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace orvalis::gui
