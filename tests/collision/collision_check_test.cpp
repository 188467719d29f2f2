#include "collision/collision_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "collision/assembly_lookup.h"
#include "data_files/tool_assembly_file.h"
#include "host/host_work.h"
#include "support/calls.h"
#include "support/forms_rig.h"
#include "support/host_reports.h"
#include "survey/toolpath_table.h"
#include "window_models/main_window_model.h"

namespace orvalis {
namespace {

using testing::Calls;
using testing::Concat;
using testing::kDialogsOn;
using testing::ParamLine;
using testing::ReplayAnswer;

// The table: the second toolpath's row stands above the first's, and the
// key 10 is stored twice.
const std::string kTable =
    "\"6\",\"57\",\"5.8\",\"6\",\"20\",\"6\",\"6\",\"15\",\"16\",\"24\",\"30\",\"\",\"\",\"\","
    "\"0.3\",\"1.5\"\r\n"
    "\"10\",\"75\",\"10\",\"10\",\"30\",\"\",\"\",\"\",\"24\",\"32\",\"30\",\"40\",\"50\",\"20\","
    "\"0.5\",\"2\"\r\n"
    "\"10\",\"99\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\","
    "\"1\"\r\n";

testing::SurveyedToolpath Rough() {
    return testing::RasterToolpath("1-ROUGH", "D10", "ENDMILL", "10", "75", "35");
}

testing::SurveyedToolpath Finish() {
    return testing::RasterToolpath("2-FINISH", "B6", "BALLNOSED", "6", "57", "25");
}

// The active tool as the host names it, one answer per question in turn.
std::string ActiveTools(const std::vector<std::string>& names) {
    std::string script;
    for (const auto& name : names) {
        script += ReplayAnswer("PRINT FORMVALUE ToolToolBar.Active", name + "\r\n");
    }
    return script;
}

// The main window over a replay host that answers the pass over both
// toolpaths, then the survey that ends it.
struct CheckRig : testing::FormsRig {
    explicit CheckRig(const std::string& extra = "",
                      const std::vector<std::string>& active_tools = {"D10", "D10_1", "B6", "B6_1"})
        : FormsRig("version 8009\ntoolpath 1-ROUGH\ntoolpath 2-FINISH\n" +
                   ActiveTools(active_tools) + testing::SurveyAnswers({Rough(), Finish()}) +
                   extra) {
        drives().Write(settings::ToolAssemblyFilePath(), kTable);
        form.ClickAddAll();
    }

    Calls Click() {
        return CallsOf([this] { form.ClickCollisionCheck(); });
    }

    // The pass's calls: those before the survey's "Connect".
    Calls PassCalls() {
        Calls calls = Click();
        return Calls(calls.begin(), std::find(calls.begin(), calls.end(), "Connect"));
    }

    MainWindowModel& form = forms().main_window();
};

// Columns 10 to 12 of a grid row.
Calls AssemblyCells(const MainWindowModel& form, int row) {
    return {form.toolpath_grid().TextMatrix(row, survey::kShankLength),
            form.toolpath_grid().TextMatrix(row, survey::kHolderLength),
            form.toolpath_grid().TextMatrix(row, survey::kHolderDiameter)};
}

TEST(CollisionCheck, APassRebuildsEachToolChecksItAndEndsWithTheSurvey) {
    CheckRig rig;
    Calls statuses;  // the status bar as shown
    rig.form.Changed = [&] {
        if (statuses.empty() || statuses.back() != rig.form.status_bar) {
            statuses.push_back(rig.form.status_bar);
        }
    };
    // Each tool cloned, given its table row and checked; the dialogs given
    // back; then the survey that ends the check.
    EXPECT_EQ(rig.Click(), testing::ReviewedCalls("collision/collision_pass.transcript"));
    EXPECT_EQ(rig.form.collision_check.Value, 1);
    // Each row shows its own tool's assembly: the first 10 row, and the 6 row.
    EXPECT_EQ(AssemblyCells(rig.form, 1), (Calls{"30()", "30(20)", "24(40)"}));
    EXPECT_EQ(AssemblyCells(rig.form, 2), (Calls{"20(15)", "30()", "16()"}));
    // Progress through the pass and the survey, then what was done.
    EXPECT_EQ(
        Calls(statuses.begin() + 1, statuses.end()),
        (Calls{"충돌 검사 중 1/2: 1-ROUGH", "충돌 검사 중 2/2: 2-FINISH", "조회 중 1/2: 1-ROUGH",
               "조회 중 2/2: 2-FINISH", "불러오기: 툴패스 2개를 불러왔습니다",
               "충돌 검사: 툴패스 2개를 검사했습니다"}));
}

// Any of fields 2 to 16 goes into a host command line as it is; a quote, a
// semicolon or a blank inside would end it early and start another command.
TEST(CollisionCheck, ValuesThatWouldBreakACommandLineAreFoundInAnyField) {
    struct Case {
        int field;
        const char* value;
        std::optional<int> unsafe;
    };
    const Case cases[] = {
        {collision::kToolLength, " 75 ", std::nullopt},  // blanks around a value are harmless
        {collision::kToolLength, "7 5", collision::kToolLength},
        {collision::kShank1Length, "20'", collision::kShank1Length},
        {collision::kHolder1Lower, "2\"4", collision::kHolder1Lower},
        {collision::kHolderClearance, "2;DELETE", collision::kHolderClearance},
        {collision::kHolderClearance, "2", std::nullopt},
    };
    for (const Case& c : cases) {
        collision::AssemblyRecord row;
        row[0] = "1 0";  // the key is compared, never sent
        row[static_cast<std::size_t>(c.field - 1)] = c.value;
        EXPECT_EQ(collision::UnsafeField(row), c.unsafe) << c.value;
    }
}

// The lookup of each toolpath's diameter, over one pass.
TEST(CollisionCheck, EachDiameterFindsTheFirstRowWithExactlyItsTextOrIsSkipped) {
    struct Toolpath {
        std::string name, tool;
        std::vector<std::string> report;  // the tool report's lines
        collision::CheckOutcome outcome;
    };
    auto report = [](const std::string& diameter) {
        return std::vector<std::string>{
            "", "Tool", "----", "", "TYPE  :  ENDMILL", ParamLine("DIAMETER", diameter)};
    };
    using collision::CheckOutcome;
    const std::vector<Toolpath> toolpaths = {
        {"A", "B6", report("6"), CheckOutcome::kChecked},
        {"B", "D10", report("10"), CheckOutcome::kChecked},
        {"C", "D10B", report("10.0"), CheckOutcome::kNoTableRow},
        // A diameter line among the first four lines is not read, and the
        // diameter before is not taken again.
        {"D",
         "NODIA",
         {"", ParamLine("DIAMETER", "10"), "", "", "TYPE  :  ENDMILL"},
         CheckOutcome::kNoDiameter},
        {"E", "D8", report("8"), CheckOutcome::kUnsafeValue},
        {"F", "D10", report("10"), CheckOutcome::kChecked},
    };
    std::string script =
        ActiveTools({"B6", "B6_1", "D10", "D10_1", "D10B", "NODIA", "D8", "D10", "D10_2"});
    for (const auto& t : toolpaths) {
        if (t.name != "F") {
            script += ReplayAnswer("print entity parameters  tool '" + t.tool + "'",
                                   testing::CrlfLines(t.report));
        }
    }
    testing::FormsRig rig(script);
    host::HostChannel pm(rig.forms().session());
    pm.Connect();
    // Keys and tool lengths; the other fields are empty.
    const std::pair<const char*, const char*> keys_and_lengths[] = {
        {"6", "57"}, {"10", "75"}, {"10", "99"}, {"8", "70 DELETE TOOL 'D12'"}};
    std::vector<collision::AssemblyRecord> table;
    for (auto [key, length] : keys_and_lengths) {
        collision::AssemblyRecord row;
        row[0] = key;
        row[1] = length;
        table.push_back(row);
    }
    std::vector<std::string> names;
    for (const auto& t : toolpaths) names.push_back(t.name);
    collision::CollisionResult result;
    Calls calls =
        rig.CallsOf([&] { result = collision::RunCollisionCheck(pm, names, table, nullptr); });

    ASSERT_EQ(result.toolpaths.size(), toolpaths.size());
    Calls lengths_sent;
    for (const auto& call : calls) {
        if (call.find("' LENGTH  ") != std::string::npos) lengths_sent.push_back(call.substr(11));
    }
    for (std::size_t i = 0; i < toolpaths.size(); ++i) {
        EXPECT_EQ(result.toolpaths[i].outcome, toolpaths[i].outcome) << toolpaths[i].name;
    }
    // A skipped toolpath is left right after its report: no clone is made.
    EXPECT_EQ(lengths_sent,
              (Calls{"EDIT TOOL 'B6_1' LENGTH  57Yes", "EDIT TOOL 'D10_1' LENGTH  75Yes",
                     "EDIT TOOL 'D10_2' LENGTH  75Yes"}));
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const auto& c) { return c.find("CLONE") != std::string::npos; }),
              3);
    ASSERT_EQ(result.problems.size(), 3u);
    EXPECT_NE(result.problems[2].find("DELETE TOOL"), std::string::npos);
    EXPECT_EQ(std::vector<std::string>(calls.end() - 4, calls.end()),
              Concat(kDialogsOn, kDialogsOn));
}

// The host still names the tool itself after the clone command: editing
// and deleting it would ruin the toolpath's own tool, so the pass stops there,
// gives the host back and says why.
TEST(CollisionCheck, APassWhoseCloneWasNotMadeStopsWithoutTouchingTheTool) {
    CheckRig rig("", {"D10", "D10"});
    rig.form.assembly_values["1-ROUGH"] = {"old", "old", "old", "old", "old", "old"};
    Calls pass = rig.PassCalls();
    ASSERT_GE(pass.size(), 4u);
    EXPECT_EQ(Calls(pass.end() - 4, pass.end()),
              Concat(Calls{"RunCommand EDIT TOOL 'D10' CLONE",
                           "RunCommandOutput PRINT FORMVALUE ToolToolBar.Active"},
                     kDialogsOn));
    EXPECT_EQ(std::count(pass.begin(), pass.end(), "RunCommand ACTIVATE Toolpath '2-FINISH'"), 0);
    EXPECT_EQ(AssemblyCells(rig.form, 1), (Calls{"()", "()", "()"}));
    ASSERT_EQ(rig.interaction().messages.size(), 1u);
    EXPECT_NE(rig.interaction().messages[0].text.find("복제 공구가 만들어지지 않았습니다"),
              std::string::npos);
}

TEST(CollisionCheck, UncheckingOnlyGivesTheHostAndTheWindowBackAndSurveys) {
    CheckRig rig;
    rig.Click();
    rig.form.ClickRemoveAll();
    Calls calls = rig.Click();
    EXPECT_EQ(rig.form.collision_check.Value, 0);
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + 3), Concat(kDialogsOn, Calls{"Connect"}));
    EXPECT_EQ(calls.size(), 6u);  // the survey of nothing: its three closing commands

    // Checking it over an empty list sends nothing and says why.
    EXPECT_TRUE(rig.Click().empty());
    EXPECT_EQ(rig.form.collision_check.Value, 1);
    EXPECT_NE(rig.form.status_bar.find("검사할 툴패스가 없습니다"), std::string::npos);
}

}  // namespace
}  // namespace orvalis
