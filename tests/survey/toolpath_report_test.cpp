#include "survey/toolpath_report.h"

#include <gtest/gtest.h>

#include "support/host_reports.h"

namespace orvalis::survey {
namespace {

using testing::ParamLine;

TEST(ToolpathReport, TakesStepsAndAllowanceUpToTheThicknessLine) {
    struct Case {
        const char* title;
        std::vector<std::string> lines;
        const char* strategy;
        const char* step_down;
        const char* step_over;
        const char* allowance;
    };
    const Case cases[] = {
        {"constant Z empties the step-over",
         {ParamLine("STEPOVER", "2"), ":dmkMcParConstZ", ParamLine("STEPDOWN", "0.5"),
          ParamLine("RADIAL-THICKNESS", "0.3"), ParamLine("AXIAL-THICKNESS", "0.1")},
         "등고선",
         "0.5",
         "",
         "0.3(0.1)"},
        {"a step-over after the constant-Z line is taken",
         {":dmkMcParConstZ", ParamLine("STEPOVER", "1.5"), ParamLine("THICKNESS", "0.2")},
         "등고선",
         "",
         "1.5",
         "0.2"},
        {"3D offset empties the step-down",
         {ParamLine("STEPDOWN", "1"), ":dmkMcPar3dOffset", ParamLine("STEPOVER", "0.4"),
          ParamLine("THICKNESS", "0.1")},
         "3D옵셋",
         "",
         "0.4",
         "0.1"},
        {"a step-down after the strategy line sets it again",
         {"TYPE  :  RASTER", ParamLine("STEPDOWN", "2"), ParamLine("THICKNESS", "0")},
         "라스트",
         "2",
         "",
         "0"},
        {"a lone thickness, and nothing after it is read",
         {ParamLine("THICKNESS", "0.3"), ParamLine("STEPOVER", "0.5"), "TYPE  :  SPIRAL"},
         "",
         "",
         "",
         "0.3"},
        {"the axial thickness ends the report too",
         {ParamLine("RADIAL-THICKNESS", "0.3"), ParamLine("AXIAL-THICKNESS", "0.1"),
          ParamLine("STEPDOWN", "9")},
         "",
         "",
         "",
         "0.3(0.1)"},
        {"keys and strategy lines are exact",
         {"  :dmkMcParConstZ  ", ParamLine("stepover", "1"), "TYPE : PROFILE", "dmkMcParNewCorner"},
         "등고선",
         "",
         "",
         ""},
    };
    for (const auto& c : cases) {
        SurveyValues values;
        ReadToolpathReport(testing::ToolpathReport("P1", c.lines), values,
                           [] { return std::string("unasked"); });
        EXPECT_EQ(values.strategy_name, c.strategy) << c.title;
        EXPECT_EQ(values.step_down, c.step_down) << c.title;
        EXPECT_EQ(values.step_over, c.step_over) << c.title;
        EXPECT_EQ(values.allowance, c.allowance) << c.title;
    }
}

TEST(ToolpathReport, NamesEveryStrategyAndEmptiesItsStepDown) {
    struct Case {
        const char* line;
        const char* name;
        bool keeps_step_down;
    };
    const Case cases[] = {
        {":dmkMcPar3dOffset", "3D옵셋", false}, {":dmkMcParOptiConstZ", "옵티마Z", false},
        {"TYPE  :  PROFILE", "프로파일", true}, {":dmkMcParNewCorner", "펜슬", false},
        {"TYPE  :  RASTER", "라스트", false},   {"TYPE  :  PATTERN", "패턴", false},
        {"TYPE  :  RADIAL", "방사선", false},   {"TYPE  :  SPIRAL", "스파이널", false},
        {"TYPE  :  ROTARY", "로타리", false},   {":dmkMcParConstZ", "등고선", true},
    };
    for (const auto& c : cases) {
        SurveyValues values;
        ReadToolpathReport(testing::ToolpathReport("P1", {ParamLine("STEPDOWN", "1"),
                                                          ParamLine("STEPOVER", "2"), c.line}),
                           values, [] { return std::string("unasked"); });
        EXPECT_EQ(values.strategy_name, c.name) << c.line;
        // Only offset roughing asks the form for its step-down ("unasked").
        EXPECT_EQ(values.step_down, c.keeps_step_down ? "1" : "") << c.line;
    }
}

TEST(ToolpathReport, OffsetRoughingAsksTheHostForItsStepDownAtItsLine) {
    int asked = 0;
    auto ask = [&asked] {
        ++asked;
        return std::string("1.5\r\nextra line\r\n");
    };
    SurveyValues values;
    ReadToolpathReport(testing::ToolpathReport("R1", {"TYPE  :  OFFSET", ParamLine("STEPOVER", "5"),
                                                      ParamLine("THICKNESS", "0.5")}),
                       values, ask);
    EXPECT_EQ(values.strategy_name, "황삭옵셋");
    EXPECT_EQ(values.step_down, "1.5");
    EXPECT_EQ(asked, 1);

    SurveyValues later;
    ReadToolpathReport(testing::ToolpathReport("R1", {"TYPE  :  OFFSET", ParamLine("STEPDOWN", "3"),
                                                      ParamLine("THICKNESS", "0.5")}),
                       later, ask);
    EXPECT_EQ(later.step_down, "3");
    EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace orvalis::survey
