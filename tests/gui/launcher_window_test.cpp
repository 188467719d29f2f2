#include "gui/launcher_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "gui/gui_forms.h"
#include "launcher/launcher_model.h"
#include "mainwin/main_window_model.h"
#include "support/forms_rig.h"

namespace orvalis::gui {
namespace {

TEST(LauncherWindow, ThePictureButtonOpensTheMainWindow) {
    testing::FormsRig rig("version 8009\ntoolpath A\n");
    GuiForms gui;
    gui.Attach(rig.forms());
    rig.forms().launcher().Show();
    ASSERT_FALSE(rig.forms().HasMainWindow());
    // The launcher window is the one GuiForms built for the model.
    LauncherWindow* launcher = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<LauncherWindow*>(widget)) launcher = candidate;
    }
    ASSERT_NE(launcher, nullptr);
    EXPECT_TRUE(launcher->isVisible());
    QTest::mouseClick(launcher->Command1(), Qt::LeftButton);
    ASSERT_TRUE(rig.forms().HasMainWindow());
    EXPECT_TRUE(rig.forms().main_window().Visible());
    EXPECT_EQ(rig.Transcript().front(), "# load");
}

}  // namespace
}  // namespace orvalis::gui
