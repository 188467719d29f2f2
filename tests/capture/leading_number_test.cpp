#include "capture/leading_number.h"

#include <gtest/gtest.h>

namespace orvalis::capture {
namespace {

TEST(LeadingNumber, TakesTheNumberATextBeginsWith) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},          {"-", 0},      {"-1", -1},       {"-12", -12}, {"-12.", -12},
        {"-12.5", -12.5}, {"12abc", 12}, {"  37.5", 37.5}, {"+4", 4},    {".5", 0.5},
        {"-.25", -0.25},  {"abc", 0},    {"1.5E2", 150},   {"1e", 1},    {"2e-1x", 0.2},
        {"1e999", 0},     {"12 34", 12}, {".", 0},         {"-0", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(IsLimitText, TakesANumberOrTheStartOfOneAndNothingElse) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},          {"-", true},
        {"12.", true},       {"1E-", true},
        {" -12.5 ", true},   {"+4", true},
        {"1E308", true},     {"2.2250738585072014E-308", true},
        {"-12.5mm", false},  {"12abc", false},
        {"1,5", false},      {"5-3", false},
        {"1.2.3", false},    {"1E999", false},
        {"-1E999", false},   {"1E-400", false},
        {"inf", false},      {"nan", false},
        {"Infinity", false}, {"0x10", false},
    };
    for (const auto& [text, limit] : cases) EXPECT_EQ(IsLimitText(text), limit) << text;
}

}  // namespace
}  // namespace orvalis::capture
