#include "gui/company_registry_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "data_files/settings_files.h"
#include "gui/find_window.h"
#include "gui/gui_forms.h"
#include "gui/main_window.h"
#include "support/forms_rig.h"
#include "window_models/company_registry_model.h"
#include "window_models/main_window_model.h"

namespace orvalis::gui {
namespace {

// Korean text arrives from the input method as committed syllables, not as
// key presses.
void TypeKorean(QLineEdit* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

struct RegistryWindowFixture : ::testing::Test {
    testing::FormsRig rig{"version 8009\n"};
    GuiForms gui;
    CompanyRegistryWindow* window = nullptr;

    void SetUp() override {
        gui.Attach(rig.forms());
        rig.forms().company_registry().Show();
        window = FindWindow<CompanyRegistryWindow>();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(RegistryWindowFixture, ShowsThePathReadOnlyAndTheWholeHelpText) {
    EXPECT_TRUE(window->FilePath()->isReadOnly());
    QLabel* help = window->HelpText();
    EXPECT_GE(help->height(), help->heightForWidth(help->width()));  // no line cut off
}

TEST_F(RegistryWindowFixture, AKoreanNameTypedHereReachesTheMainWindowAtOnce) {
    rig.forms().main_window();
    auto* main_window = FindWindow<MainWindow>(false);  // loaded hidden
    ASSERT_NE(main_window, nullptr);
    EXPECT_EQ(main_window->CompanyName()->count(), 0);

    TypeKorean(window->NewName(), QStringLiteral("한국정밀"));
    EXPECT_EQ(rig.forms().company_registry().new_name.Text(), "한국정밀");
    QTest::mouseClick(window->SaveButton(), Qt::LeftButton);
    EXPECT_EQ(window->SlotKeys()->currentText(), QStringLiteral("업체명2"));
    EXPECT_EQ(main_window->CompanyName()->currentText(), QStringLiteral("한국정밀"));
}

TEST_F(RegistryWindowFixture, FindingShowsTheNamesAndAChoiceReachesTheModel) {
    settings::SaveCompany(1, "한국정밀");
    settings::SaveCompany(2, "ACME");
    QTest::mouseClick(window->FindButton(), Qt::LeftButton);
    ASSERT_EQ(window->StoredNames()->count(), 2);
    EXPECT_EQ(window->StoredNames()->currentText(), QStringLiteral("한국정밀"));
    window->StoredNames()->setCurrentIndex(1);
    emit window->StoredNames()->activated(1);
    EXPECT_EQ(rig.forms().company_registry().stored_names.Text(), "ACME");
}

}  // namespace
}  // namespace orvalis::gui
