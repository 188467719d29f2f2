#include "window_models/rename_window_model.h"

#include <gtest/gtest.h>

#include "support/forms_rig.h"
#include "window_models/launcher_model.h"
#include "window_models/main_window_model.h"

namespace orvalis {
namespace {

std::vector<std::string> Renames(const std::vector<std::string>& transcript) {
    std::vector<std::string> lines;
    for (const auto& line : transcript) {
        if (line.rfind("RunCommand RENAME", 0) == 0) lines.push_back(line.substr(11));
    }
    return lines;
}

TEST(Rename, TenToolpathsBecomeThePrefixAndARunningNumber) {
    std::string script;
    for (int i = 1; i <= 10; ++i) script += "toolpath old" + std::to_string(i) + "\n";
    testing::FormsRig rig(script);
    rig.forms().launcher().ClickRename();
    RenameWindowModel& window = rig.forms().rename_window();
    EXPECT_TRUE(window.Topmost());  // the one window that stays on top
    window.rename_prefix.SetText("T-");
    rig.interaction().confirm_answer = true;
    window.ClickRename();
    ASSERT_EQ(rig.interaction().questions.size(), 1u);
    // The user sees the first names as they will be before agreeing.
    EXPECT_EQ(rig.interaction().questions[0].text,
              "툴패스 10개의 이름을 바꿉니다:\nold1 → T-1\nold2 → T-2\nold3 → T-3\n…\n"
              "바꾸시겠습니까?");
    EXPECT_TRUE(rig.interaction().questions[0].default_no);  // Enter renames nothing
    auto renames = Renames(rig.Transcript());
    ASSERT_EQ(renames.size(), 10u);
    EXPECT_EQ(renames.front(), "RENAME Toolpath 'old1'  'T-1'");
    EXPECT_EQ(renames.back(), "RENAME Toolpath 'old10'  'T-10'");
}

// No prefix renames to bare numbers once the user agreed to the names shown;
// a prefix of blanks only, or a no, renames nothing (a prefix with a quote
// is the hostile-input run's "names" family).
TEST(Rename, NoPrefixRenamesToNumbersAfterTheQuestionABadPrefixOrANoNothing) {
    {
        testing::FormsRig rig("toolpath a\ntoolpath b\n");
        RenameWindowModel& window = rig.forms().rename_window();
        rig.interaction().confirm_answer = true;
        window.ClickRename();
        EXPECT_EQ(rig.interaction().questions.size(), 1u);
        EXPECT_EQ(
            Renames(rig.Transcript()),
            (std::vector<std::string>{"RENAME Toolpath 'a'  '1'", "RENAME Toolpath 'b'  '2'"}));
    }
    {
        testing::FormsRig rig("toolpath a\n");
        RenameWindowModel& window = rig.forms().rename_window();
        window.rename_prefix.SetText("  ");
        rig.interaction().confirm_answer = true;
        window.ClickRename();
        EXPECT_TRUE(rig.Transcript().empty());
        EXPECT_EQ(rig.interaction().messages.size(), 1u);
    }
    testing::FormsRig rig("toolpath a\ntoolpath b\n");
    RenameWindowModel& window = rig.forms().rename_window();
    window.rename_prefix.SetText("T");
    window.ClickRename();  // the rig answers no
    EXPECT_EQ(rig.interaction().questions.size(), 1u);
    EXPECT_TRUE(Renames(rig.Transcript()).empty());
}

// "Not connected" is said only when the host could not be reached.
TEST(Rename, AHostThatCannotListIsNotCalledUnreachable) {
    struct Case {
        const char* script;
        const char* says;
        const char* never;
    };
    const Case cases[] = {
        {"fail Connect\n", "파워밀에 연결되지 않았습니다", "툴패스 목록"},
        {"toolpath a\nfail ToolpathNames\n", "툴패스 목록을 읽지 못했습니다", "연결되지"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        testing::FormsRig rig(c.script);
        RenameWindowModel& window = rig.forms().rename_window();
        window.rename_prefix.SetText("T");
        window.ClickRename();
        ASSERT_EQ(rig.interaction().messages.size(), 1u);
        const std::string& text = rig.interaction().messages[0].text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_EQ(text.find(c.never), std::string::npos) << text;
        EXPECT_TRUE(Renames(rig.Transcript()).empty());
    }
}

// The main window lists the new names at once: the next 불러오기 asks for the
// toolpaths by their new names. A name the host refused stays as it was, is
// reported, and the rest are still renamed.
TEST(Rename, TheSurveyListTakesTheNewNamesAndARefusedOneStays) {
    testing::FormsRig rig(
        "version 8009\ntoolpath a\ntoolpath b\ntoolpath c\nfail RENAME Toolpath 'b'  'P2'\n");
    MainWindowModel& main_window = rig.forms().main_window();
    main_window.survey_list.AddItem("c");
    main_window.survey_list.AddItem("b");
    main_window.survey_list.AddItem("a");
    main_window.survey_list.SetListIndex(2);
    RenameWindowModel& window = rig.forms().rename_window();
    window.rename_prefix.SetText("P");
    rig.interaction().confirm_answer = true;
    window.ClickRename();
    EXPECT_EQ(window.renamed(), 2);
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("b → P2"), std::string::npos);
    EXPECT_EQ(main_window.survey_list.Items(), (std::vector<std::string>{"P3", "b", "P1"}));
    EXPECT_EQ(main_window.survey_list.ListIndex(), 2);
    EXPECT_EQ(main_window.status_bar.rfind("툴패스 2개의 이름을 바꿨습니다", 0), 0u)
        << main_window.status_bar;
}

}  // namespace
}  // namespace orvalis