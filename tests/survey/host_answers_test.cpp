#include "survey/host_answers.h"

#include <gtest/gtest.h>

#include "support/host_reports.h"
#include "survey/report_error.h"
#include "survey/report_numbers.h"

namespace orvalis::survey {
namespace {

TEST(HostAnswers, LowestPointIsWrittenWithOneOrTwoDecimals) {
    struct Case {
        const char* printed;
        const char* shown;
    };
    const Case cases[] = {
        {"-12.3456", "-12.35"}, {"5", "5.0"},      {"0", "0.0"},      {"12.5", "12.5"},
        {"-0.125", "-0.13"},    {"2.345", "2.35"}, {"0.005", "0.01"}, {"-0.004", "0.0"},
        {"99.995", "100.0"},    {".5", "0.5"},     {"+3.10", "3.1"},  {"1234567.891", "1234567.89"},
        {"-1E-3", "0.0"},       {"abc", "abc"},    {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LowestPointText(c.printed), c.shown) << c.printed;
        EXPECT_EQ(LowestPointFrom(testing::SizeAnswer("P1", c.printed)), c.shown) << c.printed;
    }
}

TEST(HostAnswers, SizeAnswerWithoutASecondLineIsAnError) {
    EXPECT_THROW(LowestPointFrom(""), ReportError);
    EXPECT_THROW(LowestPointFrom("Size of toolpath 'P1'"), ReportError);
    EXPECT_EQ(LowestPointFrom("Size of toolpath 'P1'\r\n"), "");
    // The value starts at the 47th character, counted in characters.
    std::string korean_label = "  최저점";
    korean_label.append(41, ' ');  // 5 characters + 41 blanks: the value is the 47th
    EXPECT_EQ(LowestPointFrom("x\r\n" + korean_label + "-7.5\r\n"), "-7.5");
}

TEST(HostAnswers, MachiningTimeDropsTheLineEnd) {
    EXPECT_EQ(MachiningTimeFrom("0:12:30\r\n"), "0:12:30");
    EXPECT_EQ(MachiningTimeFrom("1:05:00xx"), "1:05:00");
    EXPECT_EQ(MachiningTimeFrom("\r\n"), "");
    EXPECT_EQ(MachiningTimeFrom("1분\r\n"), "1분");
    EXPECT_THROW(MachiningTimeFrom("5"), ReportError);
    EXPECT_THROW(MachiningTimeFrom(""), ReportError);
}

TEST(HostAnswers, WholeNumbersForLengthAndOverhang) {
    struct Case {
        const char* printed;
        std::optional<std::string> length;
        std::optional<std::string> overhang;
    };
    const Case cases[] = {
        {"100.5", "100", "101"},
        {"99.5", "100", "100"},
        {"101.5", "102", "102"},
        {"35", "35", "35"},
        {"35.2", "35", "36"},
        {"35.00000005", "35", "35"},  // the host's float noise over a whole number
        {"-0.5", "0", "0"},
        {"-2.5", "-2", "-2"},
        {"0", "0", "0"},
        {"123456781045", "123456781045", "123456781045"},  // past where 1E-7 is lost
        {"123456781045.5", "123456781046", "123456781046"},
        {"abc", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"1e300", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LengthAsWholeNumber(c.printed), c.length) << c.printed;
        EXPECT_EQ(OverhangAsWholeNumber(c.printed), c.overhang) << c.printed;
    }
}

}  // namespace
}  // namespace orvalis::survey
