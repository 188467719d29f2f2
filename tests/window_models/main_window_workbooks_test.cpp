#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data_files/picture_size_file.h"
#include "platform/atomic_file.h"
#include "sheet/test_bitmaps.h"
#include "support/forms_rig.h"
#include "support/workbook_check.h"
#include "window_models/main_window_model.h"
#include "window_models/settings_window_model.h"

namespace orvalis {
namespace {

namespace fs = std::filesystem;

// A main window with two surveyed-looking rows, the four view bitmaps in the
// image folder and the folder panel on a folder of its own.
struct WorkbookRig : testing::FormsRig {
    explicit WorkbookRig(const std::string& extra = "")
        : FormsRig("toolpath 1-ROUGH\ntoolpath 2-FINISH\n" + extra) {
        for (const char* view : {"Top", "Front", "Right", "ISO"}) {
            drives().Write(std::string("C:\\TARVEL\\ORVALIS\\IMAGE\\") + view + ".bmp",
                           testing::LineDrawingBmp(64, 48));
        }
        fs::create_directories(drives().File("D:\\JOB\\NCDATA"));
        MainWindowModel& form = forms().main_window();
        form.ClickAddAll();
        for (int row = 1; row <= 2; ++row) {
            survey::ToolpathRecord& record = form.toolpath_table.Row(row - 1);
            for (int col = survey::kHostName; col <= survey::kCuttingType; ++col) {
                record.SetText(static_cast<survey::Column>(col),
                               "r" + std::to_string(row) + "c" + std::to_string(col));
            }
            // Each row holds its own toolpath, as a survey leaves it.
            record.host_name = form.survey_list.List(row - 1);
        }
        form.folder_list.Path = "D:\\JOB\\NCDATA";
        form.FolderChanged();
    }
    MainWindowModel& form() { return forms().main_window(); }
    fs::path Saved(const char* name) {
        return drives().File(std::string("D:\\JOB\\NCDATA\\") + name);
    }
};

TEST(MainWindowWorkbooks, TheSetupSheetIsSavedUnderThePrefixAndShown) {
    WorkbookRig rig;
    rig.form().nc_prefix.SetText("T");
    rig.form().ClickSetupSheet();
    EXPECT_TRUE(testing::IsSoundWorkbookFile(rig.Saved("T.xlsx")));
    EXPECT_EQ(rig.interaction().opened, std::vector<std::string>{rig.Saved("T.xlsx").string()});
    EXPECT_NE(
        std::find(rig.form().file_list.Items.begin(), rig.form().file_list.Items.end(), "T.xlsx"),
        rig.form().file_list.Items.end());
}

// Rows without the survey's tool data would reach the machine looking
// finished: the sheet asks first, naming them, and "no" is the safe default.
TEST(MainWindowWorkbooks, RowsTheSurveyDidNotFillAreWrittenOnlyWhenTheUserAgrees) {
    struct Case {
        const char* what;
        std::string extra_script;
        std::function<void(MainWindowModel&)> act;
        std::vector<std::string> missing;
    };
    const Case cases[] = {
        {"an entry in another toolpath's row",
         "",
         [](MainWindowModel& form) {
             form.survey_list.RemoveItem(0);
             form.survey_list.AddItem("1-ROUGH");
         },
         {"2-FINISH", "1-ROUGH"}},
        // The rows still show an earlier survey of the same toolpaths.
        {"a survey that stopped",
         "fail ACTIVATE Toolpath '1-ROUGH'\n",
         [](MainWindowModel& form) { form.ClickSurvey(); },
         {"1-ROUGH", "2-FINISH"}},
    };
    for (const auto& c : cases) {
        for (bool agree : {false, true}) {
            WorkbookRig rig(c.extra_script);
            c.act(rig.form());
            rig.interaction().confirm_answer = agree;
            rig.form().nc_prefix.SetText("T");
            rig.form().ClickSetupSheet();
            ASSERT_EQ(rig.interaction().questions.size(), 1u) << c.what;
            const auto& question = rig.interaction().questions[0];
            for (const auto& name : c.missing) {
                EXPECT_NE(question.text.find(name), std::string::npos) << question.text;
            }
            EXPECT_TRUE(question.default_no);
            EXPECT_EQ(fs::exists(rig.Saved("T.xlsx")), agree) << c.what << agree;
        }
    }
}

TEST(MainWindowWorkbooks, AnExistingWorkbookIsReplacedOnlyWhenTheUserAgrees) {
    WorkbookRig rig;
    rig.form().ClickPictures();
    ASSERT_TRUE(fs::exists(rig.Saved("IMAGE.xlsx")));
    rig.drives().Write("D:\\JOB\\NCDATA\\IMAGE.xlsx", "the user's own file");

    rig.form().ClickPictures();  // the rig answers no
    ASSERT_EQ(rig.interaction().questions.size(), 1u);
    EXPECT_TRUE(rig.interaction().questions[0].default_no);  // Enter keeps the file
    EXPECT_EQ(ReadFileBytes(rig.Saved("IMAGE.xlsx")), "the user's own file");

    rig.interaction().confirm_answer = true;
    rig.form().ClickPictures();
    EXPECT_NE(ReadFileBytes(rig.Saved("IMAGE.xlsx")), "the user's own file");
    EXPECT_EQ(rig.form().last_workbook(), rig.Saved("IMAGE.xlsx").string());
}

// Which failures stop a sheet is SetupSheet's table; the window names the box.
TEST(MainWindowWorkbooks, ASizeThatIsNoNumberNamesItsBoxAndLeavesNoFile) {
    WorkbookRig rig;
    rig.forms().settings_window().picture_sizes[3].SetText("abc");  // ISO height
    rig.form().ClickSetupSheet();
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("ISO 세로"), std::string::npos);
    EXPECT_FALSE(fs::exists(rig.Saved("1-ROUGH.xlsx")));
}

// A sheet written again after the user agreed to replace it: the status bar
// says what changed; unticking "변경 표시" leaves the comparison out; an old
// file that cannot be compared is replaced all the same, and the user is told
// why in a message rather than a failure.
TEST(MainWindowWorkbooks, AReplacingSheetSaysWhatChangedOrWhyItCannot) {
    WorkbookRig rig;
    rig.form().nc_prefix.SetText("T");
    rig.interaction().confirm_answer = true;
    rig.form().ClickSetupSheet();

    rig.form().toolpath_table.Row(1).tool = "Ø6B";
    rig.form().ClickSetupSheet();
    EXPECT_NE(rig.form().status_bar.find("변경: 바뀜 1개, 새 툴패스 0개, 삭제 0개"),
              std::string::npos)
        << rig.form().status_bar;

    rig.form().mark_changes_check.Value = 0;
    rig.form().ClickSetupSheet();
    EXPECT_FALSE(rig.form().last_sheet()->comparison.has_value());

    rig.form().mark_changes_check.Value = 1;
    ReplaceFileAtomically(rig.Saved("T.xlsx"), "not a workbook");
    rig.form().ClickSetupSheet();
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_EQ(rig.interaction().messages[0].icon, forms::MessageIcon::kExclamation);
    EXPECT_NE(rig.interaction().messages[0].text.find("변경 표시 없이"), std::string::npos)
        << rig.interaction().messages[0].text;
}

}  // namespace
}  // namespace orvalis
