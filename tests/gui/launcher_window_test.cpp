#include "gui/launcher_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "gui/find_window.h"
#include "gui/gui_forms.h"
#include "gui/main_window.h"
#include "support/forms_rig.h"
#include "window_models/launcher_model.h"

namespace orvalis::gui {
namespace {

// The main window minimised by the user, past the model, comes back normal
// from the launcher (the other states are LauncherModel's).
TEST(LauncherWindow, ThePictureButtonBringsBackAMainWindowTheUserMinimised) {
    testing::FormsRig rig("version 8009\ntoolpath A\n");
    GuiForms gui;
    gui.Attach(rig.forms());
    rig.forms().launcher().Show();
    LauncherWindow* launcher = FindWindow<LauncherWindow>();
    ASSERT_NE(launcher, nullptr);
    QTest::mouseClick(launcher->MainWindowButton(), Qt::LeftButton);
    EXPECT_EQ(rig.Transcript().front(), "# load");
    MainWindow* main = FindWindow<MainWindow>();
    ASSERT_NE(main, nullptr);
    main->showMinimized();
    QTest::mouseClick(launcher->MainWindowButton(), Qt::LeftButton);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isMinimized());
}

}  // namespace
}  // namespace orvalis::gui
