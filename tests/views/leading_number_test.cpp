#include "views/leading_number.h"

#include <gtest/gtest.h>

namespace orvalis::views {
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

}  // namespace
}  // namespace orvalis::views
