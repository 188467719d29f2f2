#include <gtest/gtest.h>

#include <algorithm>

#include "support/calls.h"
#include "support/forms_rig.h"
#include "support/host_reports.h"
#include "survey/toolpath_table.h"
#include "window_models/main_window_model.h"

namespace orvalis {
namespace {

using testing::ConstZFinishing;
using testing::OffsetRoughing;
using testing::ParamLine;
using testing::SurveyedToolpath;

std::string Script(const std::vector<SurveyedToolpath>& toolpaths) {
    std::string script = "version 8009\n";
    for (const auto& t : toolpaths) script += "toolpath " + t.name + "\n";
    return script + testing::SurveyAnswers(toolpaths);
}

using Row = std::vector<std::string>;

Row GridRow(const MainWindowModel& form, int row) {
    Row cells;
    for (int col = survey::kHostName; col <= survey::kCuttingType; ++col) {
        cells.push_back(form.toolpath_grid().TextMatrix(row, col));
    }
    return cells;
}

const Row kRoughingRow = {"1-ROUGH", "1-ROUGH", "Ø10F*1R", "0.3(0.1)", "1.5", "5",       "-12.35",
                          "0:12:30", "36(100)", "()",      "()",       "()",  "황삭옵셋"};
const Row kFinishingRow = {"2-FINISH", "2-FINISH", "Ø6B", "0",  "0.2", "",      "5.0",
                           "0:45:10",  "25(60)",   "()",  "()", "()",  "등고선"};

const std::vector<std::string> kClosingCalls = {
    "RunCommand DIALOGS MESSAGE ON",
    "RunCommand DIALOGS ERROR ON",
    "RunCommand edit preference seldrawtp yes",
};

struct SurveyRig : testing::FormsRig {
    explicit SurveyRig(const std::string& script) : FormsRig(script), form(forms().main_window()) {}

    // Presses "불러오기" and returns what was sent.
    std::vector<std::string> Survey() {
        return CallsOf([this] { form.ClickSurvey(); });
    }

    MainWindowModel& form;
};

using testing::Concat;

TEST(MainWindowSurvey, SendsEachToolpathsCommandsInOrderAndWritesItsRow) {
    SurveyRig rig(Script({OffsetRoughing(), ConstZFinishing()}));
    rig.form.ClickAddAll();
    // The step-down is asked for only where the strategy has one.
    EXPECT_EQ(rig.Survey(),
              testing::ReviewedCalls("window_models/survey_two_toolpaths.transcript"));
    EXPECT_EQ(GridRow(rig.form, 1), kRoughingRow);
    EXPECT_EQ(GridRow(rig.form, 2), kFinishingRow);
    EXPECT_EQ(rig.form.status_bar, "불러오기: 툴패스 2개를 불러왔습니다");
    EXPECT_TRUE(rig.form.last_survey().complete());
}

TEST(MainWindowSurvey, AnEmptySurveyListOnlyGivesTheHostBack) {
    SurveyRig rig(Script({OffsetRoughing()}));
    rig.form.toolpath_table.Row(0).host_name = "kept";
    EXPECT_EQ(rig.Survey(), Concat(std::vector<std::string>{"Connect"}, kClosingCalls));
    EXPECT_EQ(rig.form.toolpath_grid().TextMatrix(1, survey::kHostName), "kept");
    EXPECT_EQ(rig.form.status_bar, "불러올 툴패스가 없습니다. 툴패스를 목록에 넣어 주세요.");
}

// The numbering the boxes show holds after every survey: the next NC POST
// must not write 01-ROUGH.nc while 이름 says "N".
TEST(MainWindowSurvey, FourAfterSixLeavesRowsFiveAndSixAndKeepsTheNumbering) {
    std::vector<SurveyedToolpath> six;
    for (int i = 1; i <= 6; ++i) {
        six.push_back(i % 2 ? OffsetRoughing("R" + std::to_string(i))
                            : ConstZFinishing("F" + std::to_string(i)));
    }
    SurveyRig rig(Script(six));
    rig.form.ClickAddAll();
    rig.Survey();
    rig.form.nc_prefix.SetText("N");
    Row row5 = GridRow(rig.form, 5), row6 = GridRow(rig.form, 6);
    EXPECT_EQ(row5[1], "N5");

    rig.form.survey_list.RemoveItem(5);
    rig.form.survey_list.RemoveItem(4);
    rig.form.nc_start.SetText("5");  // 시작 위치
    rig.Survey();
    EXPECT_EQ(rig.form.toolpath_grid().TextMatrix(1, survey::kNcName), "N5");
    EXPECT_EQ(rig.form.toolpath_grid().TextMatrix(4, survey::kNcName), "N8");
    EXPECT_EQ(GridRow(rig.form, 5), row5);
    EXPECT_EQ(GridRow(rig.form, 6), row6);
}

TEST(MainWindowSurvey, AToolpathWhoseReportsLackAKeyShowsAnEmptyCellNotTheOneBefore) {
    SurveyedToolpath bare;
    bare.name = "3-BARE";
    bare.tool = "";
    bare.time_answer = "0:01:00\r\n";
    bare.lowest_point = "-3";
    SurveyRig rig(Script({OffsetRoughing(), bare}));
    rig.form.ClickAddAll();
    rig.Survey();
    EXPECT_EQ(GridRow(rig.form, 1), kRoughingRow);
    EXPECT_EQ(GridRow(rig.form, 2), (Row{"3-BARE", "3-BARE", "", "", "", "", "-3.0", "0:01:00",
                                         "()", "()", "()", "()", ""}));
}

// A failing host call is the fault sweep's; an answer the survey cannot read
// ends it the same way (which answers fail is the readers' tables).
TEST(MainWindowSurvey, AnAnswerThatCannotBeReadEndsTheSurveyThereButGivesTheHostBack) {
    SurveyedToolpath bad_length = ConstZFinishing();
    bad_length.tool_lines = {ParamLine("DIAMETER", "6"), ParamLine("LENGTH", "sixty")};
    SurveyRig rig(Script({OffsetRoughing(), bad_length, OffsetRoughing("3-LAST")}));
    rig.form.ClickAddAll();
    rig.form.toolpath_table.Row(1).host_name = "earlier";
    auto calls = rig.Survey();

    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(calls.end() - 3, calls.end()), kClosingCalls);
    EXPECT_EQ(calls[calls.size() - 4], "RunCommandOutput print entity parameters  tool 'B6'");
    EXPECT_EQ(GridRow(rig.form, 1), kRoughingRow);
    EXPECT_EQ(rig.form.toolpath_grid().TextMatrix(2, survey::kHostName), "earlier");
    EXPECT_EQ(rig.form.toolpath_grid().TextMatrix(2, survey::kTool), "");
    EXPECT_EQ(rig.form.survey_list.ListIndex(), 1);  // stays on the toolpath that failed
    EXPECT_NE(rig.form.status_bar.find("'2-FINISH'"), std::string::npos) << rig.form.status_bar;
    EXPECT_NE(rig.form.status_bar.find("공구 길이가 숫자가 아닙니다: 'sixty'"), std::string::npos);
    EXPECT_FALSE(rig.form.last_survey().complete());
}

TEST(MainWindowSurvey, MoreThanSixtyEntriesSurveysTheFirstSixtyAndSaysTheRestWereNot) {
    std::vector<SurveyedToolpath> toolpaths;
    for (int i = 1; i <= 62; ++i) toolpaths.push_back(ConstZFinishing("T" + std::to_string(i)));
    SurveyRig rig(Script(toolpaths));
    rig.form.ClickAddAll();
    auto calls = rig.Survey();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "RunCommandOutput ACTIVATE Toolpath 'T60'"),
              1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "RunCommandOutput ACTIVATE Toolpath 'T61'"),
              0);
    EXPECT_EQ(rig.form.toolpath_grid().TextMatrix(60, survey::kHostName), "T60");
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("나머지 2개"), std::string::npos);
}

// An entry the project no longer holds (renamed or deleted in the host) is
// never sent: a host with its error dialogs off would answer with another
// toolpath's values. Its row stays empty, so "시트 만들기" asks about it, and
// the survey goes on with the entries after it.
TEST(MainWindowSurvey, AnEntryTheProjectDoesNotHoldIsNotSurveyed) {
    SurveyRig rig(Script({OffsetRoughing(), ConstZFinishing()}));
    rig.form.survey_list.AddItem("1-ROUGH");
    rig.form.survey_list.AddItem("9-GONE");
    rig.form.survey_list.AddItem("2-FINISH");
    rig.form.toolpath_table.Row(1).host_name = "9-GONE";  // an earlier survey's row
    auto calls = rig.Survey();
    EXPECT_TRUE(std::none_of(calls.begin(), calls.end(), [](const std::string& call) {
        return call.find("9-GONE") != std::string::npos;
    }));
    EXPECT_EQ(GridRow(rig.form, 2), Row(13, ""));
    EXPECT_EQ(GridRow(rig.form, 3)[0], "2-FINISH");
    EXPECT_EQ(rig.form.status_bar, "'9-GONE' 툴패스(2번째)는 프로젝트에 없어 불러오지 않았습니다");
    EXPECT_EQ(rig.form.UnsurveyedEntries(), std::vector<std::string>{"9-GONE"});
}

// The checks that send every entry to the host leave out the same entries,
// and say so; the collision pass's survey names them as the survey does.
TEST(MainWindowSurvey, ChecksSendNothingForAnEntryTheProjectDoesNotHold) {
    SurveyRig rig(Script({OffsetRoughing()}));
    rig.form.survey_list.AddItem("9-GONE");
    rig.form.survey_list.AddItem("1-ROUGH");
    auto calls = rig.CallsOf([&rig] { rig.form.ClickGougeDisplay(); });
    EXPECT_TRUE(std::none_of(calls.begin(), calls.end(), [](const std::string& call) {
        return call.find("9-GONE") != std::string::npos;
    }));
    EXPECT_NE(std::find(calls.begin(), calls.end(), "RunCommand ACTIVATE Toolpath '1-ROUGH'"),
              calls.end());
    EXPECT_EQ(rig.form.last_gouge().problems,
              std::vector<std::string>{"프로젝트에 없는 툴패스는 보내지 않았습니다: 9-GONE"});
}

}  // namespace
}  // namespace orvalis