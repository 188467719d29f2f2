#include "gui/launcher_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "gui/find_window.h"
#include "gui/gui_forms.h"
#include "gui/main_window.h"
#include "support/forms_rig.h"
#include "window_models/launcher_model.h"
#include "window_models/main_window_model.h"

namespace orvalis::gui {
namespace {

// The main window left minimised (a saved workbook with no program to show
// it) or hidden comes back normal and in front from the launcher.
TEST(LauncherWindow, ThePictureButtonBringsTheMainWindowBackFromAnyState) {
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
    for (int leave = 0; leave < 3; ++leave) {
        MainWindowModel& model = rig.forms().main_window();
        if (leave == 0) model.SetWindowState(forms::Window::kMinimized);
        if (leave == 1) main->showMinimized();  // by the user, past the model
        if (leave == 2) model.Hide();
        QTest::mouseClick(launcher->MainWindowButton(), Qt::LeftButton);
        EXPECT_TRUE(main->isVisible()) << leave;
        EXPECT_FALSE(main->isMinimized()) << leave;
        EXPECT_EQ(model.WindowState(), forms::Window::kNormal) << leave;
    }
}

}  // namespace
}  // namespace orvalis::gui
