#include "gui/launcher_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "gui/gui_forms.h"
#include "launcher/form6.h"
#include "mainwin/form4.h"
#include "support/forms_rig.h"

namespace orvalis::gui {
namespace {

TEST(LauncherWindow, ThePictureButtonOpensTheMainWindow) {
    testing::FormsRig rig("version 8009\ntoolpath A\n");
    GuiForms gui;
    gui.Attach(rig.forms());
    rig.forms().form6().Show();
    ASSERT_FALSE(rig.forms().HasForm4());
    // The launcher window is the one GuiForms built for the model.
    LauncherWindow* launcher = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<LauncherWindow*>(widget)) launcher = candidate;
    }
    ASSERT_NE(launcher, nullptr);
    EXPECT_TRUE(launcher->isVisible());
    QTest::mouseClick(launcher->Command1(), Qt::LeftButton);
    ASSERT_TRUE(rig.forms().HasForm4());
    EXPECT_TRUE(rig.forms().form4().Visible());
    EXPECT_EQ(rig.Transcript().front(), "# load");
}

}  // namespace
}  // namespace orvalis::gui
