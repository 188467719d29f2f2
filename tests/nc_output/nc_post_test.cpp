#include "nc_output/nc_post.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/calls.h"
#include "support/forms_rig.h"
#include "window_models/main_window_model.h"

namespace orvalis {
namespace {

const std::string kThree =
    "toolpath 1-ROUGH\ntoolpath 2-REST\ntoolpath 3-FINISH\n"
    "answer PRINT VALUE PROJECTPATH\n| C:\\JOBS\\P1\n";

struct PostRig : testing::FormsRig {
    explicit PostRig(const std::string& script = kThree) : FormsRig(script) {
        drives().Write("C:\\dcam\\config\\ductpost\\fanuc.opt", "");
        main_window().ClickAddAll();  // every toolpath into the survey list
        main_window().nc_prefix.SetText("T");
    }
    MainWindowModel& main_window() { return forms().main_window(); }
};

TEST(NcPost, ThreeToolpathsSendExactlyTheirPrograms) {
    PostRig rig;
    // Per toolpath: a temporary program, its option file and file name,
    // written; then every temporary program deleted and the dialogs given back.
    EXPECT_EQ(rig.CallsOf([&rig] { rig.main_window().ClickPostNc(); }),
              testing::ReviewedCalls("nc_output/three_programs.transcript"));
    // The replay host writes no files: the three it was told to write are
    // reported as not written, never passed off as done.
    EXPECT_TRUE(rig.main_window().last_post().written.empty());
    EXPECT_EQ(rig.main_window().last_post().unwritten.size(), 3u);
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("NC 파일을 만들지 않았습니다"),
              std::string::npos);
}

// NC files of an earlier run are replaced only when the user agrees, as the
// workbooks are; "no" sends nothing to the host.
TEST(NcPost, NcFilesThatExistAreReplacedOnlyWhenTheUserAgrees) {
    PostRig rig;
    rig.drives().Write("C:\\JOBS\\P1\\T2.nc", "the machine's program");
    auto post = [&rig] { rig.main_window().ClickPostNc(); };
    EXPECT_TRUE(rig.CallsOf(post).empty());
    ASSERT_EQ(rig.interaction().questions.size(), 1u);
    EXPECT_EQ(rig.interaction().questions[0].text,
              "NC 파일 1개가 이미 있습니다: T2.nc\n바꾸시겠습니까?");
    EXPECT_TRUE(rig.interaction().questions[0].default_no);  // Enter keeps the files
    EXPECT_EQ(rig.main_window().status_bar, "NC 파일을 쓰지 않았습니다: 이미 있는 파일 1개");

    rig.interaction().confirm_answer = true;
    auto calls = rig.CallsOf(post);
    EXPECT_NE(std::find(calls.begin(), calls.end(),
                        "RunCommand EDIT NCPROGRAM '2-REST' FILENAME C:\\JOBS\\P1\\T2.nc"),
              calls.end());
}

TEST(NcPost, OutputFilesAreJoinedAsTheFolderStands) {
    struct Case {
        const char* folder;
        const char* file;
    };
    const Case cases[] = {
        {"D:\\JOB\\NCDATA", "D:\\JOB\\NCDATA\\T1.nc"},
        {"C:\\", "C:\\\\T1.nc"},  // a drive root gets its second backslash, as joined
        {"/home/cam/out", "/home/cam/out/T1.nc"},
    };
    for (const auto& c : cases) EXPECT_EQ(nc_output::OutputFile(c.folder, "T1", "nc"), c.file);
}

TEST(NcPost, UnsafeNcNamesAreRefusedAndTheOthersStillPosted) {
    PostRig rig;
    rig.main_window().toolpath_table.Row(0).nc_name = "..\\..\\evil";
    rig.main_window().toolpath_table.Row(1).nc_name = "";
    auto sent = rig.CallsOf([&rig] { rig.main_window().ClickPostNc(); });
    EXPECT_EQ(
        std::count_if(sent.begin(), sent.end(),
                      [](const std::string& l) { return l.find("FILENAME") != std::string::npos; }),
        1);
    EXPECT_EQ(rig.main_window().last_post().refused.size(), 2u);
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("1-ROUGH"), std::string::npos);
    // Windows' device names and a last dot or blank (which it drops) are no
    // file names there, so none here either.
    for (const char* bad : {"a/b", "", "..", "CON", "nul.old", "COM1", "COM²", "T."}) {
        EXPECT_FALSE(nc_output::NcNameProblem(bad).empty()) << bad;
    }
    for (const char* good : {"T-01 황삭", "CONSOLE", "COM10", "LPT", "NUL-1"}) {
        EXPECT_TRUE(nc_output::NcNameProblem(good).empty()) << good;
    }
}

// The extension ends every NC file's name; one that holds a separator or
// ".." would put the files outside the chosen folder.
TEST(NcPost, AnExtensionThatIsNoFileNameEndingIsRefusedBeforeTheHostIsCalled) {
    for (const char* bad : {"", "nc/../../../escaped", "nc\\x", "nc."}) {
        EXPECT_NE(nc_output::NcExtensionProblem(bad), "") << bad;
    }
    for (const char* good : {"nc", "a.b", "엔씨"}) {
        EXPECT_EQ(nc_output::NcExtensionProblem(good), "") << good;
    }
    PostRig rig;
    rig.main_window().nc_extension.SetText("nc/../../../escaped");
    EXPECT_TRUE(rig.CallsOf([&rig] { rig.main_window().ClickPostNc(); }).empty());
    const auto& post = rig.main_window().last_post();
    ASSERT_TRUE(post.failure.has_value());
    EXPECT_NE(post.failure->find("NC 확장자 설정(SETTING.dat의 TYPE)"), std::string::npos)
        << *post.failure;
}

TEST(NcPost, AnEmptyListHasNothingToPostAndEntriesPast60AreNotPosted) {
    testing::FormsRig empty("");
    MainWindowModel& form = empty.forms().main_window();
    EXPECT_EQ(empty.CallsOf([&form] { form.ClickPostNc(); }),
              (std::vector<std::string>{"Connect", "Connect"}));
    ASSERT_EQ(empty.interaction().messages.size(), 1u);

    std::string script;
    for (int i = 1; i <= 62; ++i) script += "toolpath P" + std::to_string(i) + "\n";
    PostRig many(script);
    many.main_window().ClickPostNc();
    EXPECT_EQ(many.main_window().last_post().unwritten.size(), 60u);
    EXPECT_NE(many.main_window().status_bar.find("2개의 툴패스는"), std::string::npos);
}

}  // namespace
}  // namespace orvalis
