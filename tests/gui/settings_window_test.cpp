#include "gui/settings_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data_files/picture_size_file.h"
#include "data_files/settings_files.h"
#include "gui/company_registry_window.h"
#include "gui/find_window.h"
#include "gui/gui_forms.h"
#include "gui/launcher_window.h"
#include "gui/main_window.h"
#include "support/forms_rig.h"
#include "window_models/launcher_model.h"
#include "window_models/main_window_model.h"
#include "window_models/settings_window_model.h"

namespace orvalis::gui {
namespace {

// Replaces what a box holds the way a user does: select all, then type.
void Retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

struct SettingsWindowFixture : ::testing::Test {
    testing::FormsRig rig{""};
    GuiForms gui;
    LauncherWindow* launcher = nullptr;

    void SetUp() override {
        gui.Attach(rig.forms());
        rig.forms().launcher().Show();
        launcher = FindWindow<LauncherWindow>();
        ASSERT_NE(launcher, nullptr);
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    SettingsWindow* OpenSettings() {
        QTest::mouseClick(launcher->SettingsButton(), Qt::LeftButton);
        return FindWindow<SettingsWindow>();
    }
};

TEST_F(SettingsWindowFixture, TheLaunchersButtonShowsTheStoredSizes) {
    EXPECT_TRUE(launcher->SettingsButton()->isEnabled());
    SettingsWindow* window = OpenSettings();
    ASSERT_NE(window, nullptr);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(window->SizeBox(i)->text(),
                  i % 2 ? QStringLiteral("200") : QStringLiteral("300"));  // width, height
    }
    EXPECT_EQ(window->ExtensionBox()->text(), QStringLiteral("nc"));
}

TEST_F(SettingsWindowFixture, ClicksAndTypingReachTheModel) {
    SettingsWindow* window = OpenSettings();
    ASSERT_NE(window, nullptr);
    const SettingsWindowModel& model = rig.forms().settings_window();
    Retype(window->SizeBox(0), QStringLiteral("450"));
    Retype(window->SizeBox(7), QStringLiteral("150"));
    EXPECT_EQ(model.picture_sizes[0].Text(), "450");
    QTest::mouseClick(window->Button(model.save_sizes_button), Qt::LeftButton);
    EXPECT_EQ(*settings::ReadPictureSizes().sizes,
              (settings::PictureSizeTexts{"450", "200", "300", "200", "300", "200", "300", "150"}));

    Retype(window->ExtensionBox(), QStringLiteral("tap"));
    QTest::mouseClick(window->Button(model.save_extension_button), Qt::LeftButton);
    EXPECT_EQ(settings::LoadNcExtension(), "tap");

    settings::WritePictureSizes({"1", "2", "3", "4", "5", "6", "7", "8"});
    QTest::mouseClick(window->Button(model.open_sizes_button), Qt::LeftButton);
    EXPECT_EQ(window->SizeBox(6)->text(), QStringLiteral("7"));

    QTest::mouseClick(window->Button(model.companies_button), Qt::LeftButton);
    EXPECT_NE(FindWindow<CompanyRegistryWindow>(), nullptr);

    window->close();  // unloads the model
    EXPECT_FALSE(rig.forms().HasSettingsWindow());
}

}  // namespace
}  // namespace orvalis::gui
