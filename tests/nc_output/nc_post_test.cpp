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
    rig.forms().session()->Mark("post");
    rig.main_window().ClickPostNc();
    // Per toolpath: a temporary program, its option file and file name,
    // written; then every temporary program deleted and the dialogs given back.
    EXPECT_EQ(rig.TranscriptSince("post"),
              testing::ReviewedCalls("nc_output/three_programs.transcript"));
    EXPECT_EQ(rig.main_window().survey_list.ListIndex(), 0);
    EXPECT_EQ(rig.main_window().WindowState(), forms::Window::kNormal);
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
    rig.forms().session()->Mark("post");
    rig.main_window().ClickPostNc();
    ASSERT_EQ(rig.interaction().questions.size(), 1u);
    EXPECT_EQ(rig.interaction().questions[0].text,
              "NC 파일 1개가 이미 있습니다: T2.nc\n바꾸시겠습니까?");
    EXPECT_TRUE(rig.interaction().questions[0].default_no);  // Enter keeps the files
    EXPECT_TRUE(rig.TranscriptSince("post").empty());
    EXPECT_EQ(rig.main_window().status_bar, "NC 파일을 쓰지 않았습니다: 이미 있는 파일 1개");
    EXPECT_EQ(rig.main_window().WindowState(), forms::Window::kNormal);

    rig.interaction().confirm_answer = true;
    rig.forms().session()->Mark("again");
    rig.main_window().ClickPostNc();
    auto calls = rig.TranscriptSince("again");
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
    EXPECT_EQ(nc_output::OutputFile("D:\\X", "T1", ""), "D:\\X\\T1.");
}

TEST(NcPost, UnsafeNcNamesAreRefusedAndTheOthersStillPosted) {
    PostRig rig;
    rig.main_window().toolpath_table.Row(0).nc_name = "..\\..\\evil";
    rig.main_window().toolpath_table.Row(1).nc_name = "";
    rig.forms().session()->Mark("post");
    rig.main_window().ClickPostNc();
    auto sent = rig.TranscriptSince("post");
    EXPECT_EQ(
        std::count_if(sent.begin(), sent.end(),
                      [](const std::string& l) { return l.find("FILENAME") != std::string::npos; }),
        1);
    EXPECT_EQ(rig.main_window().last_post().refused.size(), 2u);
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("1-ROUGH"), std::string::npos);
    // Windows' device names and a last dot or blank (which it drops) are no
    // file names there, so none here either.
    for (const char* bad :
         {"a/b", "a:b", "a*b", "", "..", "CON", "nul.old", "COM1", "COM²", "T."}) {
        EXPECT_FALSE(nc_output::NcNameProblem(bad).empty()) << bad;
    }
    for (const char* good : {"T-01 황삭", "CONSOLE", "COM10", "LPT", "NUL-1"}) {
        EXPECT_TRUE(nc_output::NcNameProblem(good).empty()) << good;
    }
}

// The extension ends every NC file's name; one that holds a separator or
// ".." would put the files outside the chosen folder.
TEST(NcPost, AnExtensionThatIsNoFileNameEndingIsRefusedBeforeTheHostIsCalled) {
    for (const char* bad : {"", "nc/../../../escaped", "nc\\x", "n*c", "nc."}) {
        SCOPED_TRACE(bad);
        PostRig rig;
        rig.main_window().nc_extension.SetText(bad);
        rig.forms().session()->Mark("post");
        rig.main_window().ClickPostNc();
        EXPECT_TRUE(rig.TranscriptSince("post").empty());
        const auto& post = rig.main_window().last_post();
        ASSERT_TRUE(post.failure.has_value());
        EXPECT_NE(post.failure->find("NC 확장자 설정(SETTING.dat의 TYPE)"), std::string::npos)
            << *post.failure;
    }
    for (const char* good : {"nc", "tap", "a.b", "엔씨"}) {
        EXPECT_EQ(nc_output::NcExtensionProblem(good), "") << good;
    }
}

TEST(NcPost, AnEmptyListHasNothingToPostAndEntriesPast60AreNotPosted) {
    testing::FormsRig empty("");
    empty.forms().main_window();
    empty.forms().session()->Mark("post");
    empty.forms().main_window().ClickPostNc();
    EXPECT_EQ(empty.TranscriptSince("post"), (std::vector<std::string>{"Connect", "Connect"}));
    ASSERT_EQ(empty.interaction().messages.size(), 1u);

    std::string script;
    for (int i = 1; i <= 62; ++i) script += "toolpath P" + std::to_string(i) + "\n";
    PostRig many(script);
    many.main_window().ClickPostNc();
    EXPECT_EQ(many.main_window().last_post().unwritten.size(), 60u);
    EXPECT_NE(many.main_window().status_bar.find("2개의 툴패스는"), std::string::npos);
}

TEST(NcPost, TwoToolpathsWithOneNcNameWriteTheSameFileTheLaterLast) {
    PostRig rig;
    rig.main_window().toolpath_table.Row(2).nc_name = "T1";
    rig.main_window().ClickPostNc();
    const auto& written = rig.main_window().last_post().unwritten;  // the replay host writes none
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written.front(), written.back());
}

}  // namespace
}  // namespace orvalis
