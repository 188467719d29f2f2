#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "host/number_text.h"
#include "report_columns.h"
#include "sim_projects.h"

namespace orvalis::testing {
namespace {

using namespace sim;

std::string ToolReportOf(SimRig& rig, const std::string& tool) {
    return rig.pm.RunCommandOutput("print entity parameters  tool '" + tool + "'");
}

std::string ToolpathReportOf(SimRig& rig, const std::string& toolpath) {
    return rig.pm.RunCommandOutput("print entity parameters  toolpath '" + toolpath + "'");
}

std::function<std::string()> FormStepdown(SimRig& rig, int* asked = nullptr) {
    return [&rig, asked] {
        if (asked) ++*asked;
        return rig.pm.RunCommandOutput("PRINT FORMVALUE AreaClear.StepdownFrame.StepDown");
    };
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
    const ToolpathReading old{"old", "old", "old", "old", "old", "old"};
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
            ToolpathReading reading =
                ReadToolpathReport(ToolpathReportOf(rig, "TP"), FormStepdown(rig, &asked), old);
            EXPECT_EQ(reading.strategy, c.name);
            EXPECT_EQ(reading.stepover, c.expected_stepover);
            EXPECT_EQ(reading.stepdown, c.expected_stepdown);
            EXPECT_EQ(reading.allowance, two_thicknesses ? "0.3(0.1)" : "0.3");
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
        ToolReading reading = ReadToolReport(report);
        EXPECT_EQ(reading.description, c.description);
        EXPECT_EQ(reading.length, c.length);
        EXPECT_EQ(reading.overhang, c.overhang);
        EXPECT_EQ(ReadCollisionDiameter(report), c.tool == std::string("D6B") ? "6" : "10");
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
    auto lines = SplitAnswer(report);
    std::size_t overhang_line = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string key = KeyOf(lines[i], 8);
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
    EXPECT_EQ(ReadToolReport(report).length, "75");
}

TEST(SimReports, TheLowestPointStandsAtCharacter47ForAnyCoordinates) {
    struct Case {
        double lowest_z;
        std::vector<Point3> points;
        const char* expected;
    };
    const Case cases[] = {
        {-12, {}, "-12.0"},
        {-11.7, {}, "-11.7"},
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
        std::string answer = rig.pm.RunCommandOutput("SIZE TOOLPATH  'TP'");
        EXPECT_EQ(ReadLowestPoint(answer), c.expected);
        EXPECT_EQ(SplitAnswer(answer)[1].substr(0, 10), "Minimum  X");
    }
}

std::string Duration(double seconds) {
    long total = static_cast<long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", total / 3600, total / 60 % 60,
                  total % 60);
    return text;
}

std::string ExpectedDescription(const Tool& tool) {
    std::string letter = tool.type == ToolType::kBallNosed ? "B" : "F";
    std::string description = "Ø" + host::NumberText(tool.diameter) + letter;
    if (tool.type == ToolType::kTipRadiused) {
        description += "*" + host::NumberText(tool.tip_radius) + "R";
    }
    return description;
}

std::string ExpectedAllowance(const Thickness& thickness) {
    std::string radial = host::NumberText(thickness.radial);
    return thickness.axial ? radial + "(" + host::NumberText(*thickness.axial) + ")" : radial;
}

// The survey's exchange for every toolpath of the sample project, in its
// order and with its exact command lines.
TEST(SimReports, TheSampleProjectSurveysAsTheModelHoldsIt) {
    Project sample = SampleProject();
    SimRig rig(sample);
    auto& pm = rig.pm;
    for (const Toolpath& toolpath : sample.toolpaths) {
        SCOPED_TRACE(toolpath.name);
        for (const char* line :
             {"DEACTIVATE TOOLPATH", "edit preference seldrawtp no", "DIALOGS MESSAGE OFF",
              "DIALOGS ERROR OFF", "TOOLBAR COMMANDBAR LOWER",
              "ECHO OFF DCPDEBUG UNTRACE COMMAND ACCEPT"}) {
            pm.RunCommand(line);
        }
        pm.RunCommandOutput("ACTIVATE Toolpath '" + toolpath.name + "'");
        pm.RunCommandOutput("TOOLPATHSTATS ESTIMATE");
        pm.RunCommandOutput("FORM TOOLPATHSTATS TOOLPATHSTATS ESTIMATE");
        std::string time = pm.RunCommandOutput("PRINT FORMVALUE ToolpathStats.Time");
        ASSERT_GE(time.size(), 2u);
        EXPECT_EQ(time.substr(0, time.size() - 2), Duration(toolpath.machining_seconds));
        pm.RunCommandOutput("TOOLPATHSTATS CANCEL");
        std::string size = pm.RunCommandOutput("SIZE TOOLPATH  '" + toolpath.name + "'");
        char lowest[32];
        std::snprintf(lowest, sizeof lowest, "%.2f", toolpath.lowest_z);
        std::string expected_lowest = lowest;
        if (expected_lowest.back() == '0') expected_lowest.pop_back();
        EXPECT_EQ(ReadLowestPoint(size), expected_lowest);
        pm.RunCommand("DIALOGS MESSAGE On");
        std::string tool =
            SplitAnswer(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"))[0];
        EXPECT_EQ(tool, toolpath.tool);
        ToolReading tool_reading = ReadToolReport(ToolReportOf(rig, tool));
        EXPECT_EQ(tool_reading.description, ExpectedDescription(*sample.FindTool(tool)));
        ToolpathReading reading =
            ReadToolpathReport(ToolpathReportOf(rig, toolpath.name), FormStepdown(rig));
        EXPECT_EQ(reading.stepover, toolpath.stepover ? host::NumberText(*toolpath.stepover) : "");
        EXPECT_EQ(reading.stepdown, toolpath.stepdown ? host::NumberText(*toolpath.stepdown) : "");
        EXPECT_EQ(reading.allowance, ExpectedAllowance(toolpath.thickness));
    }
    EXPECT_TRUE(rig.host->quiet_errors().empty()) << rig.host->quiet_errors().front();
}

// What the project offers a demo: every strategy of the survey's table, all
// three tool types, both thickness styles and the capture run's patterns.
TEST(SimReports, TheSampleProjectCoversEveryStrategyToolTypeAndPattern) {
    Project sample = SampleProject();
    std::set<Strategy> strategies;
    std::set<bool> thickness_styles;
    for (const Toolpath& toolpath : sample.toolpaths) {
        strategies.insert(toolpath.strategy);
        thickness_styles.insert(toolpath.thickness.axial.has_value());
    }
    EXPECT_EQ(strategies.size(), 11u);
    EXPECT_EQ(thickness_styles.size(), 2u);
    std::set<ToolType> types;
    std::set<double> diameters;
    for (const Tool& tool : sample.tools) {
        types.insert(tool.type);
        diameters.insert(tool.diameter);
    }
    EXPECT_EQ(types.size(), 3u);
    EXPECT_GE(diameters.size(), 4u);
    for (const char* name :
         {"OUT_LINE", "OUT_LINE-1", "OUT_LINE-2", "OUT_LINE-3", "BASE-Position"}) {
        ASSERT_TRUE(sample.FindPattern(name)) << name;
        EXPECT_FALSE(sample.FindPattern(name)->polylines.empty()) << name;
    }
    EXPECT_FALSE(sample.model_wireframe.empty());
    // The outline lies on the model: its points stay within the model's limits.
    for (const Polyline& polyline : sample.FindPattern("OUT_LINE")->polylines) {
        for (const Point3& point : polyline) {
            EXPECT_GE(point.x, sample.model_limits[0]);
            EXPECT_LE(point.x, sample.model_limits[1]);
            EXPECT_GE(point.y, sample.model_limits[2]);
            EXPECT_LE(point.y, sample.model_limits[3]);
        }
    }
}

}  // namespace
}  // namespace orvalis::testing
