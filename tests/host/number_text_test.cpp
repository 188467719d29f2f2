#include "host/number_text.h"

#include <gtest/gtest.h>

namespace orvalis::host {
namespace {

TEST(NumberText, WritesTheGeneralFormTheHostReads) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {-50, "-50"},
        {37.5, "37.5"},
        {2 + 0.7, "2.7"},                 // pen positions add up without binary noise
        {2 + 0.7 + 0.89 + 0.87, "4.46"},  // 15 significant digits hide the float error
        {100.0 / 2 / 6.5, "7.69230769230769"},
        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-0.000012, "-1.2E-05"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-1.5e-300, "-1.5E-300"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace orvalis::host
