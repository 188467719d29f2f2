#include <gtest/gtest.h>

#include <string>

#include "collision/collision_check.h"
#include "sim_projects.h"
#include "survey/host_answers.h"
#include "survey/report_text.h"
#include "survey/tool_report.h"
#include "survey/toolpath_report.h"

namespace orvalis::testing {
namespace {

using namespace sim;

std::string ToolReportOf(SimRig& rig, const std::string& tool) {
    return rig.pm.RunCommandOutput("print entity parameters  tool '" + tool + "'");
}

std::string ToolpathReportOf(SimRig& rig, const std::string& toolpath) {
    return rig.pm.RunCommandOutput("print entity parameters  toolpath '" + toolpath + "'");
}

survey::AskRoughingStepDown FormStepdown(SimRig& rig, int* asked = nullptr) {
    return [&rig, asked] {
        if (asked) ++*asked;
        return rig.pm.RunCommandOutput("PRINT FORMVALUE AreaClear.StepdownFrame.StepDown");
    };
}

// What the survey reads from a tool report, starting from empty values.
survey::SurveyValues ReadTool(const std::string& report) {
    survey::SurveyValues values;
    survey::ReadToolReport(report, values);
    return values;
}

// The report lines' keys as the readers take them: the first 8 characters.
std::string KeyOf(std::string_view line) {
    return std::string(survey::TrimBlanks(survey::FirstCharacters(line, 8)));
}

// Each strategy of the survey's table, read from a report that starts from
// values left by an earlier toolpath ("old"), so emptied values show.
TEST(SimReports, EveryStrategyReadsBackWithBothThicknessStyles) {
    struct Case {
        Strategy strategy;
        const char* name;
        std::optional<double> stepover;
        std::optional<double> stepdown;
        const char* expected_stepover;
        const char* expected_stepdown;
    };
    const Case cases[] = {
        {Strategy::k3dOffset, "3D옵셋", 0.5, {}, "0.5", ""},
        {Strategy::kConstantZ, "등고선", {}, 1.5, "", "1.5"},
        {Strategy::kConstantZ, "등고선", 0.4, 1.5, "0.4", "1.5"},  // a STEPOVER after its line
        {Strategy::kOptimisedConstantZ, "옵티마Z", 0.5, {}, "0.5", ""},
        {Strategy::kProfile, "프로파일", 0.5, 1.5, "0.5", "1.5"},
        {Strategy::kProfile, "프로파일", {}, {}, "old", "old"},
        {Strategy::kOffset, "황삭옵셋", 8, 1.25, "8", "1.25"},
        {Strategy::kPencil, "펜슬", 0.1, {}, "0.1", ""},
        {Strategy::kRaster, "라스트", 6, {}, "6", ""},
        {Strategy::kRaster, "라스트", 6, 2, "6", "2"},  // a STEPDOWN after the type line
        {Strategy::kPattern, "패턴", {}, {}, "old", ""},
        {Strategy::kRadial, "방사선", 0.5, {}, "0.5", ""},
        {Strategy::kSpiral, "스파이널", 0.25, {}, "0.25", ""},
        {Strategy::kRotary, "로타리", 0.3, {}, "0.3", ""},
    };
    survey::SurveyValues old;
    old.strategy_name = old.step_over = old.step_down = old.allowance = "old";
    for (const Case& c : cases) {
        for (bool two_thicknesses : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (two_thicknesses ? " radial/axial" : " single"));
            Project project = SmallProject();
            Toolpath& toolpath = project.toolpaths[0];
            toolpath.strategy = c.strategy;
            toolpath.stepover = c.stepover;
            toolpath.stepdown = c.stepdown;
            toolpath.thickness = {0.3, two_thicknesses ? std::optional(0.1) : std::nullopt};
            SimRig rig(std::move(project));
            rig.pm.RunCommandOutput("ACTIVATE Toolpath 'TP'");
            int asked = 0;
            survey::SurveyValues read = old;
            survey::ReadToolpathReport(ToolpathReportOf(rig, "TP"), read,
                                       FormStepdown(rig, &asked));
            EXPECT_EQ(read.strategy_name, c.name);
            EXPECT_EQ(read.step_over, c.expected_stepover);
            EXPECT_EQ(read.step_down, c.expected_stepdown);
            EXPECT_EQ(read.allowance, two_thicknesses ? "0.3(0.1)" : "0.3");
            EXPECT_EQ(asked, c.strategy == Strategy::kOffset ? 1 : 0);
        }
    }
}

TEST(SimReports, ToolReportsGiveTheDescriptionLengthsAndCollisionDiameter) {
    struct Case {
        const char* tool;
        const char* description;
        const char* length;
        const char* overhang;
    };
    const Case cases[] = {
        {"D10", "Ø10F", "75", "35"},
        {"D6B", "Ø6B", "58", "29"},         // 57.5 goes to the even 58; 28.4 up to 29
        {"D10R1", "Ø10F*1R", "100", "36"},  // 100.5 goes to the even 100; 35.2 up to 36
    };
    SimRig rig(SmallProject());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        std::string report = ToolReportOf(rig, c.tool);
        survey::SurveyValues read = ReadTool(report);
        EXPECT_EQ(read.tool_description, c.description);
        EXPECT_EQ(read.tool_length, c.length);
        EXPECT_EQ(read.overhang, c.overhang);
        EXPECT_EQ(collision::DiameterFrom(report), c.tool == std::string("D6B") ? "6" : "10");
    }
}

TEST(SimReports, ShankAndHolderLinesNeverReachTheReaders) {
    Project project = SmallProject();
    project.tools[0].shank = {{9.5, 10, 20}, {10, 12, 30}};
    project.tools[0].holder = {{25, 32, 40}};
    SimRig rig(std::move(project));
    std::string report = ToolReportOf(rig, "D10");
    EXPECT_NE(report.find("LOWERDIA 9.5   UPPERDIA 10   LENGTH 20"), std::string::npos);
    // The collision check scans every line from the fifth: the tool's own
    // diameter must come first, and no component line may read as a key.
    auto lines = survey::SplitLines(report);
    std::size_t overhang_line = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string key = KeyOf(lines[i]);
        if (key == "OVERHANG") overhang_line = i;
        if (overhang_line && i > overhang_line) {
            EXPECT_NE(key, "DIAMETER");
            EXPECT_NE(key, "LENGTH");
        }
        if (key == "DIAMETER") {
            EXPECT_GE(i, 4u) << "a parameter line among the first four";
        }
    }
    EXPECT_GT(overhang_line, 0u);
    EXPECT_EQ(ReadTool(report).tool_length, "75");
}

TEST(SimReports, TheLowestPointStandsAtCharacter47ForAnyCoordinates) {
    struct Case {
        double lowest_z;
        std::vector<Point3> points;
        const char* expected;
    };
    const Case cases[] = {
        {-12, {}, "-12.0"},
        {-12.3456, {}, "-12.35"},
        {5, {}, "5.0"},
        {-999999.99, {{-999999.99, -999999.99, 0}, {999999.99, 999999.99, 10}}, "-999999.99"},
        {0.25, {{1, 2, 3}, {-4, -5, 6}}, "0.25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Project project = SmallProject();
        project.toolpaths[0].lowest_z = c.lowest_z;
        project.toolpaths[0].points = c.points;
        SimRig rig(std::move(project));
        EXPECT_EQ(survey::LowestPointFrom(rig.pm.RunCommandOutput("SIZE TOOLPATH  'TP'")),
                  c.expected);
    }
}

// Reports of the small project, written out by hand in the host's layout.
TEST(SimReports, ReportsAreLaidOutAsTheHostPrintsThem) {
    Project project = SmallProject();
    Toolpath& toolpath = project.toolpaths[0];
    toolpath.strategy = Strategy::kProfile;
    toolpath.stepover = 0.5;
    toolpath.stepdown = 1.5;
    toolpath.thickness = {0.3, 0.1};
    SimRig rig(std::move(project));

    std::string tool = ToolReportOf(rig, "D10R1");
    EXPECT_EQ(tool,
              "ENTITY PARAMETERS\r\n"
              "Tool 'D10R1'\r\n"
              "----------------------------------------\r\n"
              "\r\n"
              "TYPE  :  TIPRADIUSED\r\n"
              "NAME      : D10R1\r\n"
              "DIAMETER  : 10\r\n"
              "TIP-RADIUS : 1\r\n"
              "LENGTH    : 100.5\r\n"
              "OVERHANG  : 35.2\r\n"
              "SHANK     : 0\r\n"
              "HOLDER    : 0\r\n");
    survey::SurveyValues read = ReadTool(tool);
    EXPECT_EQ(read.type_letter, "F");
    EXPECT_EQ(read.tip_radius, "1");
    EXPECT_EQ(read.tool_description, "Ø10F*1R");

    std::string report = ToolpathReportOf(rig, "TP");
    EXPECT_EQ(report,
              "ENTITY PARAMETERS\r\n"
              "Toolpath 'TP'\r\n"
              "----------------------------------------\r\n"
              ":dmkMcParAreaClear\r\n"
              "TYPE  :  PROFILE\r\n"
              "TOOL      : D10\r\n"
              "STEPOVER  : 0.5\r\n"
              "STEPDOWN  : 1.5\r\n"
              "RADIAL-THICKNESS : 0.3\r\n"
              "AXIAL-THICKNESS : 0.1\r\n");

    EXPECT_EQ(rig.pm.RunCommandOutput("SIZE TOOLPATH  'TP'"),
              "Toolpath 'TP'\r\n"
              "Minimum  X      -50.0000   Y      -40.0000  Z -12.0000\r\n"
              "Maximum  X       50.0000   Y       40.0000  Z 0.0000\r\n");
}

}  // namespace
}  // namespace orvalis::testing
