#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "data_files/settings_files.h"
#include "gui/flex_grid_view.h"
#include "gui/folder_panel_view.h"
#include "platform/cp949.h"
#include "support/forms_rig.h"
#include "window_models/main_window_model.h"

namespace orvalis::gui {
namespace {

struct MainWindowFixture : ::testing::Test {
    testing::FormsRig rig{
        "version 8009\n"
        "toolpath 1-ROUGH\n"
        "toolpath 2-FINISH\n"
        "answer PRINT VALUE PROJECTPATH\n"
        "| C:\\JOBS\\PART-100\n"};
    std::vector<std::string> marks;
    std::shared_ptr<MainWindowModel> model;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        rig.drives().Write(settings::CompanyFilePath(),
                           Utf8ToCp949("[그룸]\r\n업체명1=한국정밀\r\n"));
        std::filesystem::create_directories(rig.drives().File("C:\\JOBS\\PART-100"));
        model = std::make_shared<MainWindowModel>(rig.forms());
        window = std::make_unique<MainWindow>(
            model, [this](const std::string& action) { marks.push_back(action); });
        model->Load();
    }
};

TEST(MainWindowClock, ReadsKoreanMorningAndAfternoon) {
    const std::pair<QTime, const char*> cases[] = {
        {QTime(9, 5), "오전 9:05"},
        {QTime(16, 21), "오후 4:21"},
        {QTime(0, 0), "오전 12:00"},
        {QTime(12, 30), "오후 12:30"},
    };
    for (const auto& [time, text] : cases) {
        EXPECT_EQ(ClockText(time), QString::fromUtf8(text)) << text;
    }
}

TEST_F(MainWindowFixture, ShowsWhatTheLoadRead) {
    EXPECT_EQ(window->ProjectList()->count(), 2);
    EXPECT_EQ(window->CompanyName()->currentText(), QStringLiteral("한국정밀"));
    EXPECT_EQ(window->VersionLabel(4)->text(), QStringLiteral("파워밀 8,0에 접속 중입니다."));
    EXPECT_TRUE(window->isHidden());  // a model that is not shown keeps its window hidden
    model->Show();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->Grid()->horizontalHeaderItem(1)->text(), QStringLiteral("NC이름"));
    EXPECT_EQ(window->Grid()->verticalHeaderItem(59)->text(), QStringLiteral("60"));
}

TEST_F(MainWindowFixture, ButtonsAndBoxesReachTheModel) {
    QTest::mouseClick(window->Button(model->add_all_button), Qt::LeftButton);
    EXPECT_EQ(model->survey_list.ListCount(), 2);
    EXPECT_EQ(window->SurveyList()->count(), 2);

    QTest::keyClicks(window->NcPrefix(), "T");
    EXPECT_EQ(window->Grid()->item(1, 1)->text(), QStringLiteral("T2"));
    QTest::keyClicks(window->NcStart(), "x");
    EXPECT_EQ(window->StatusPanel()->text().toStdString(), model->status_bar);

    window->SurveyList()->setCurrentRow(0);
    QTest::mouseClick(window->Button(model->remove_button), Qt::LeftButton);
    EXPECT_EQ(model->survey_list.Items(), std::vector<std::string>{"2-FINISH"});
    QTest::mouseClick(window->Button(model->remove_all_button), Qt::LeftButton);
    EXPECT_EQ(window->SurveyList()->count(), 0);
}

// "변경 표시" is ticked as the model starts, and a click reaches the model
// that the sheet reads it from.
TEST_F(MainWindowFixture, TheMarkChangesBoxReachesTheModel) {
    QCheckBox* marks_box = window->MarkChangesCheck();
    EXPECT_TRUE(marks_box->isChecked());
    QTest::mouseClick(marks_box, Qt::LeftButton);
    EXPECT_EQ(model->mark_changes_check.Value, 0);
}

TEST_F(MainWindowFixture, FolderPanelCreatesAndOpensFolders) {
    FolderPanelView* panel = window->FolderPanel();
    panel->FolderName()->clear();
    QTest::keyClicks(panel->FolderName(), "OP10");
    QTest::keyClick(panel->FolderName(), Qt::Key_Return);
    EXPECT_EQ(model->folder_list.Path, "C:\\JOBS\\PART-100\\OP10");
    // The folder list shows the path down to the open folder, which is current.
    EXPECT_TRUE(panel->FolderList()->currentItem()->text().contains(QStringLiteral("OP10")));
    EXPECT_EQ(panel->Target()->text(), QStringLiteral("C:\\JOBS\\PART-100\\OP10"));
    // One click on a folder makes it the target, and the whole path shows.
    QListWidget* folders = panel->FolderList();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                      folders->visualItemRect(folders->item(1)).center());
    EXPECT_EQ(model->folder_list.Path, "C:\\JOBS");
    EXPECT_EQ(panel->Target()->text(), QStringLiteral("C:\\JOBS"));
}

}  // namespace
}  // namespace orvalis::gui
