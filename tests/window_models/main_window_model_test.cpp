#include "window_models/main_window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "data_files/settings_files.h"
#include "platform/cp949.h"
#include "support/forms_rig.h"
#include "window_models/company_registry_model.h"
#include "window_models/launcher_model.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;

const std::string kProject =
    "version 8009\n"
    "toolpath 1-ROUGH\n"
    "toolpath 2-FINISH\n"
    "toolpath 3-PENCIL\n"
    "answer PRINT VALUE PROJECTPATH\n"
    "| C:\\JOBS\\PART\n"
    "| -100\n"
    "answer PRINT VALUE PROJECTNAME\n"
    "| PART-100\n";

// A rig whose data folder has a company and whose post folder has two option files.
struct MainWindowRig : testing::FormsRig {
    explicit MainWindowRig(const std::string& script = kProject) : FormsRig(script) {
        drives().Write(settings::CompanyFilePath(), Utf8ToCp949("[그룸]\r\n업체명1=한국정밀\r\n"));
        drives().Write("C:\\dcam\\config\\ductpost\\heidenhain.opt", "");
        drives().Write("C:\\dcam\\config\\ductpost\\fanuc.opt", "");
        fs::create_directories(drives().File("C:\\JOBS\\PART-100\\NCDATA"));
        drives().Write("C:\\JOBS\\PART-100\\a.nc", "");
        drives().Write("C:\\JOBS\\PART-100\\b.xlsx", "");
        drives().Write("C:\\JOBS\\PART-100\\notes.txt", "");
    }
};

TEST(MainWindowModel, LoadAsksTheHostInOrderAndShowsWhatItAnswered) {
    MainWindowRig rig;
    MainWindowModel& form = rig.forms().main_window();
    EXPECT_EQ(rig.Transcript(), (std::vector<std::string>{
                                    "Connect",
                                    "ToolpathNames",
                                    "Version",
                                    "RunCommandOutput PRINT VALUE PROJECTPATH",
                                    "RunCommandOutput PRINT VALUE PROJECTNAME",
                                }));
    EXPECT_FALSE(form.Topmost());  // it must not hide the host itself
    EXPECT_EQ(form.project_list.Items(),
              (std::vector<std::string>{"1-ROUGH", "2-FINISH", "3-PENCIL"}));
    EXPECT_TRUE(form.version_labels[4].Visible);  // 8009's label
    EXPECT_EQ(form.post_option.Items(), (std::vector<std::string>{"fanuc.opt", "heidenhain.opt"}));
    EXPECT_EQ(form.company_name.Text(), "한국정밀");
    // The answer's line breaks, inside and at the end, are removed.
    EXPECT_EQ(form.project_folder.Caption, "C:\\JOBS\\PART-100");
    EXPECT_EQ(form.project_name.Caption, "PART-100");
    EXPECT_EQ(form.part_name.Text(), "PART-100");
    EXPECT_EQ(form.folder_list.Path, "C:\\JOBS\\PART-100");
    EXPECT_EQ(form.file_list.Items, (std::vector<std::string>{"a.nc", "b.xlsx"}));
}

TEST(MainWindowModel, LoadStepsDoNotDependOnEachOther) {
    testing::FormsRig rig(kProject);  // no post-processor files, no company
    MainWindowModel& form = rig.forms().main_window();
    EXPECT_EQ(form.project_list.ListCount(), 3);
    EXPECT_EQ(form.project_name.Caption, "PART-100");
    EXPECT_EQ(form.company_name.ListCount(), 0);
    EXPECT_NE(form.status_bar.find("후처리 옵션 폴더가 비어 있습니다"), std::string::npos);
    EXPECT_NE(form.status_bar.find("등록된 업체가 없습니다"), std::string::npos);
}

TEST(MainWindowModel, AnUnreachableHostLeavesTheListsEmptyAndSaysSo) {
    MainWindowRig rig("fail Connect\ntoolpath A\nversion 8009\n");
    MainWindowModel& form = rig.forms().main_window();
    EXPECT_EQ(rig.Transcript(), std::vector<std::string>{"Connect"});
    EXPECT_FALSE(form.toolpaths_listed());
    EXPECT_EQ(form.company_name.Text(), "한국정밀");  // the settings files are read all the same
    EXPECT_EQ(form.status_bar.rfind("파워밀에 연결되지 않았습니다", 0), 0u) << form.status_bar;
    // Said where it cannot be missed, once, with the reason.
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    const auto& message = rig.interaction().messages[0];
    EXPECT_EQ(message.text.rfind("파워밀에 연결되지 않았습니다 (", 0), 0u) << message.text;
    EXPECT_EQ(message.icon, forms::MessageIcon::kCritical);
}

TEST(MainWindowModel, ListButtonsMoveToolpathsIntoTheSurveyList) {
    MainWindowRig rig;
    MainWindowModel& form = rig.forms().main_window();
    form.ClickAddAll();
    form.ClickAddAll();  // ">>" twice lists every toolpath twice
    EXPECT_EQ(form.survey_list.ListCount(), 6);

    form.ClickRemoveAll();
    form.project_list.SetSelected(2, true);
    form.project_list.SetSelected(0, true);
    form.ClickAddSelected();  // ">" takes the selected entries in list order
    EXPECT_EQ(form.survey_list.Items(), (std::vector<std::string>{"1-ROUGH", "3-PENCIL"}));

    form.ClickRemoveSelected();  // "<" with nothing selected
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_EQ(rig.interaction().messages[0].text, "항목을선택해주세요");

    form.survey_list.SetListIndex(1);
    form.ClickRemoveSelected();
    EXPECT_EQ(form.survey_list.Items(), std::vector<std::string>{"1-ROUGH"});
}

TEST(MainWindowModel, TypingAPrefixOrStartNumberRenumbersTheNcNames) {
    MainWindowRig rig;
    MainWindowModel& form = rig.forms().main_window();
    for (int row = 0; row < 5; ++row) form.toolpath_table.Row(row).nc_name = "old";
    form.ClickAddAll();
    auto names = [&form] {
        std::vector<std::string> column;
        for (int row = 1; row <= 4; ++row)
            column.push_back(form.toolpath_grid().TextMatrix(row, 2));
        return column;
    };
    form.nc_prefix.SetText("T");
    EXPECT_EQ(names(), (std::vector<std::string>{"T1", "T2", "T3", "old"}));
    form.nc_prefix.SetText("");
    EXPECT_EQ(names(), (std::vector<std::string>{"1", "2", "3", "old"}));
    form.nc_start.SetText("10");
    EXPECT_EQ(names(), (std::vector<std::string>{"10", "11", "12", "old"}));
    form.nc_start.SetText("1O");  // a letter O: not a number
    EXPECT_EQ(names(), (std::vector<std::string>{"10", "11", "12", "old"}));
    EXPECT_NE(form.status_bar.find("숫자가 아닙니다"), std::string::npos);
}

TEST(MainWindowModel, CreateFolderMakesTheFolderOrSaysWhyNot) {
    MainWindowRig rig;
    MainWindowModel& form = rig.forms().main_window();
    form.folder_name.SetText("OP10");
    form.ClickCreateFolder();  // the button creates the folder and makes it the target
    EXPECT_TRUE(fs::is_directory(rig.drives().File("C:\\JOBS\\PART-100\\OP10")));
    EXPECT_EQ(form.folder_list.Path, "C:\\JOBS\\PART-100\\OP10");

    form.OpenFolder("C:\\JOBS\\PART-100");
    form.folder_name.SetText("OP20");
    form.FolderNameKeyPress(13);  // Enter creates it and opens it
    EXPECT_EQ(form.file_list.Path, "C:\\JOBS\\PART-100\\OP20");

    form.folder_list.Path = "C:\\JOBS\\PART-100";
    form.FolderChanged();
    const char* refused[] = {"OP10", "", "a/b", ".."};
    for (const char* name : refused) {
        form.folder_name.SetText(name);
        form.ClickCreateFolder();
    }
    EXPECT_EQ(rig.interaction().messages.size(), std::size(refused));
    EXPECT_NE(rig.interaction().messages[0].text.find("이미 있는 폴더"), std::string::npos);
    EXPECT_EQ(form.folder_list.Path, "C:\\JOBS\\PART-100");
}

// However the main window was left (minimised by a workbook that had nothing
// to open it with, hidden, or only behind another window), the picture
// button brings it back to the normal state and to the front.
TEST(LauncherModel, ThePictureButtonBringsTheMainWindowBackFromEveryState) {
    struct Case {
        const char* what;
        std::function<void(MainWindowModel&)> leave;
    };
    const Case cases[] = {
        {"minimised, as a saved workbook leaves it",
         [](MainWindowModel& form) { form.SetWindowState(forms::Window::kMinimized); }},
        {"hidden", [](MainWindowModel& form) { form.Hide(); }},
    };
    for (const auto& c : cases) {
        MainWindowRig rig("fail Connect\n");  // shown even without a host
        LauncherModel& launcher = rig.forms().launcher();
        launcher.ClickMainWindow();
        MainWindowModel& form = rig.forms().main_window();
        c.leave(form);
        int before = form.front_requests();
        launcher.ClickMainWindow();
        EXPECT_TRUE(form.Visible()) << c.what;
        EXPECT_EQ(form.WindowState(), forms::Window::kNormal) << c.what;
        EXPECT_EQ(form.front_requests(), before + 1) << c.what;
    }
}

TEST(MainWindowModel, ACompanyRegisteredMeanwhileIsListedAndTheChoiceKept) {
    MainWindowRig rig;
    MainWindowModel& form = rig.forms().main_window();
    form.company_name.SetText("대성몰드");  // typed, not registered
    CompanyRegistryModel& registry = rig.forms().company_registry();
    registry.slot_keys.SetListIndex(1);  // the second slot
    registry.new_name.SetText("새한금형");
    registry.ClickSaveCompany();
    EXPECT_EQ(form.company_name.Items(), (std::vector<std::string>{"한국정밀", "새한금형"}));
    EXPECT_EQ(form.company_name.Text(), "대성몰드");
}

}  // namespace
}  // namespace orvalis
