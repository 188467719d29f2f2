#include "survey/tool_report.h"

#include <gtest/gtest.h>

#include "support/host_reports.h"
#include "survey/report_error.h"
#include "survey/toolpath_table.h"

namespace orvalis::survey {
namespace {

using testing::ParamLine;
using testing::ToolReport;

SurveyValues Read(const std::vector<std::string>& lines) {
    SurveyValues values;
    ReadToolReport(ToolReport("T1", lines), values);
    return values;
}

TEST(ToolReport, DescribesTheToolByDiameterTypeAndTipRadius) {
    struct Case {
        std::vector<std::string> lines;
        const char* description;
    };
    const Case cases[] = {
        {{"TYPE  :  TIPRADIUSED", ParamLine("DIAMETER", "10"), ParamLine("TIP-RADIUS", "1")},
         "Ø10F*1R"},
        {{"TYPE  :  BALLNOSED", ParamLine("DIAMETER", "6")}, "Ø6B"},
        {{"TYPE  :  ENDMILL", ParamLine("DIAMETER", "12")}, "Ø12F"},
        {{"   TYPE  :  BALLNOSED  ", ParamLine("DIAMETER", "6.5")}, "Ø6.5B"},
        // The description is made at the diameter line: a later type line leaves it.
        {{ParamLine("DIAMETER", "8"), "TYPE  :  BALLNOSED"}, "Ø8"},
        // Type and key texts are exact.
        {{"TYPE : BALLNOSED", ParamLine("DIAMETER", "6")}, "Ø6"},
        {{"TYPE  :  BALLNOSED", ParamLine("diameter", "6")}, ""},
        {{"TYPE  :  DRILL", ParamLine("DIAMETER", "4")}, "Ø4"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.lines).tool_description, c.description) << c.lines[0];
    }
    EXPECT_EQ(Read(cases[1].lines).tool_description,
              "\xC3\x98"
              "6B");  // U+00D8 in UTF-8
}

// The rounding itself is HostAnswers.WholeNumbersForLengthAndOverhang.
TEST(ToolReport, ToolLengthColumnIsTheOverhangThenTheLengthInBrackets) {
    SurveyValues values = Read({"TYPE  :  ENDMILL", ParamLine("DIAMETER", "10"),
                                ParamLine("LENGTH", "100.5"), ParamLine("OVERHANG", "35.2")});
    EXPECT_EQ(MakeToolpathRecord(values, {}).tool_length, "36(100)");
}

TEST(ToolReport, ReadsFromTheSecondLineUpToTheFirstOverhang) {
    std::string report = testing::CrlfLines({
        ParamLine("DIAMETER", "3"),  // the heading line is never read
        ParamLine("LENGTH", "50"),
        ParamLine("OVERHANG", "20"),
        ParamLine("DIAMETER", "99"),
        ParamLine("LENGTH", "not read"),
        ParamLine("OVERHANG", "not read either"),
    });
    SurveyValues values;
    ReadToolReport(report, values);
    EXPECT_EQ(values.diameter, "");
    EXPECT_EQ(values.tool_length, "50");
    EXPECT_EQ(values.overhang, "20");

    // Without an overhang line every line is read and the overhang stays empty.
    values = Read({ParamLine("DIAMETER", "10"), ParamLine("LENGTH", "75")});
    EXPECT_EQ(values.tool_length, "75");
    EXPECT_EQ(values.overhang, "");
}

TEST(ToolReport, ALengthOrOverhangThatIsNotANumberIsAnError) {
    const char* not_numbers[] = {"", "abc", "1,5", "12mm", "1e400"};
    for (const char* text : not_numbers) {
        EXPECT_THROW(Read({ParamLine("LENGTH", text)}), ReportError) << text;
        EXPECT_THROW(Read({ParamLine("OVERHANG", text)}), ReportError) << text;
    }
}

}  // namespace
}  // namespace orvalis::survey
