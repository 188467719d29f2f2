#include "host/quoted_names.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "collision/collision_check.h"
#include "collision/gouge_display.h"
#include "host/channel.h"
#include "host/host_error.h"
#include "nc_output/nc_post.h"
#include "support/forms_rig.h"
#include "support/host_reports.h"
#include "survey/survey.h"

namespace orvalis::host {
namespace {

std::size_t CountHolding(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(),
                      [&text](const auto& l) { return l.find(text) != std::string::npos; }));
}

// The main window lists no such toolpath, so these checks of the operations
// themselves are what stands between any other list and the host: each
// leaves the toolpath (or one on a tool the host names so) out, says why and
// works on the others.
TEST(QuotedNames, NoOperationSendsANameThatWouldLeaveItsQuotes) {
    const std::string injected = "DELETE TOOLPATH ALL";
    const std::vector<std::string> names = {"A' " + injected + " '", "A\n" + injected,
                                            "A\r" + injected,        "A\t" + injected,
                                            "A\x01" + injected,      "A\x7F" + injected};
    for (const auto& name : names) {
        SCOPED_TRACE(ShownText(name));
        testing::FormsRig rig(testing::SurveyAnswers(
            {testing::RasterToolpath("B", "D' " + injected + " '", "ENDMILL", "10", "75", "35")}));
        HostChannel pm(rig.forms().session());
        pm.Connect();
        const std::vector<std::string> toolpaths = {name, "B"};
        std::vector<std::string> problems =
            survey::RunSurvey(pm, toolpaths, survey::AssemblyValues{}, nullptr).problems;
        for (auto& problem : collision::RunCollisionCheck(pm, toolpaths, {}, nullptr).problems)
            problems.push_back(problem);
        for (auto& problem : collision::RunGougeDisplay(pm, toolpaths, nullptr).problems)
            problems.push_back(problem);
        for (auto& problem : nc_output::RunNcPost(pm, {{name, "N1"}, {"B", "N2"}},
                                                  "C:\\POST\\F.opt", "C:\\NC", "nc", nullptr)
                                 .refused)
            problems.push_back(problem);
        // Whatever builds a command line, a line break in it never reaches the host.
        EXPECT_THROW(pm.RunCommand("EDIT TOOL 'D10' OVERHANG 1\n" + injected), HostError);

        EXPECT_EQ(CountHolding(rig.Transcript(), injected), 0u);
        EXPECT_EQ(CountHolding(rig.Transcript(), "ACTIVATE Toolpath 'B'"), 3u);
        EXPECT_EQ(CountHolding(rig.Transcript(), "FILENAME C:\\NC\\N2.nc"), 1u);
        // The name in the survey, the check, the display and the output; B's
        // tool in the survey and the check.
        EXPECT_EQ(CountHolding(problems, "파워밀 명령에 넣을 수 없습니다"), 6u);
    }
}

}  // namespace
}  // namespace orvalis::host
