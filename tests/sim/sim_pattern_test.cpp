#include <gtest/gtest.h>

#include <cmath>

#include "host/host_error.h"
#include "platform/pattern_file.h"
#include "sim_projects.h"
#include "support/temp_folder.h"

namespace orvalis::testing {
namespace {

using namespace sim;

constexpr double kTolerance = 1e-9;

void ExpectPoint(const Point3& actual, const Point3& expected) {
    EXPECT_NEAR(actual.x, expected.x, kTolerance);
    EXPECT_NEAR(actual.y, expected.y, kTolerance);
    EXPECT_NEAR(actual.z, expected.z, kTolerance);
}

// How the labels move what one insertion added, and the whole pattern after
// DESELECT ALL, shows in the capture's labels (CaptureOnSim). Refusals name
// what is missing and change nothing; with the error dialogs off they are
// quiet, so a capture run goes on past a pattern the project lacks.
TEST(SimPatterns, CommandsAboutMissingPatternsOrFilesAreRefused) {
    TempDrives drives;
    drives.Write("C:\\G\\BAD.PIC", "ORVALIS PATTERN 1\n0 0 0  1 0\n");
    drives.Write("C:\\G\\NOT.PIC", "BM not a pattern\n");
    struct Case {
        const char* line;
        const char* text;
    };
    const Case cases[] = {
        {"Delete Pattern 'X-MAX'", "Pattern 'X-MAX' does not exist"},
        {"TRANSFORM PATTERN SELECTED SELECTED", "No pattern is selected"},
        {"CREATE PATTERN 'P'", "Pattern 'P' already exists"},
        {"Edit Pattern 'P' INSERT FILE  'C:\\G\\NONE.PIC'",
         "File 'C:\\G\\NONE.PIC' does not exist"},
        {"Edit Pattern 'P' INSERT FILE  'C:\\G\\BAD.PIC'",
         "File 'C:\\G\\BAD.PIC' is not a pattern file: line 2: the coordinates are not x y z "
         "triples"},
        {"Edit Pattern 'P' INSERT FILE  'C:\\G\\NOT.PIC'",
         "File 'C:\\G\\NOT.PIC' is not a pattern file: line 1: not a pattern file (it must "
         "begin with \"ORVALIS PATTERN 1\")"},
        {"TRANSFORM TYPE SHEAR", "Command not recognised: TRANSFORM TYPE SHEAR"},
        {"VIEW MODEL 'M' SHADE OFF", "Model 'M' does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SimRig rig(SmallProject());
        rig.pm.RunCommand("CREATE PATTERN 'P'");
        Project before = rig.host->project();
        ExpectRefusedThenQuiet(rig.pm, c.line, c.text);
        ASSERT_EQ(rig.host->project().patterns.size(), 1u);
        EXPECT_TRUE(rig.host->project().patterns[0].polylines.empty());
        EXPECT_EQ(rig.host->project().active_pattern, "P");
    }
}

TEST(SimPatternFile, ReadsPolylinesAndNamesTheLineOfAFault) {
    auto items =
        ParsePatternFile("ORVALIS PATTERN 1\n# c\n\n 0 0 0\t1.5 -2 3e-1 \n0 0 0 1 1 1 2 2 2");
    ASSERT_EQ(items.size(), 2u);
    ExpectPoint(items[0][1], {1.5, -2, 0.3});
    EXPECT_EQ(items[1].size(), 3u);
    EXPECT_TRUE(ParsePatternFile("ORVALIS PATTERN 1").empty());
    struct Bad {
        const char* text;
        const char* error;
    };
    const Bad bad[] = {
        {"", "line 1: not a pattern file (it must begin with \"ORVALIS PATTERN 1\")"},
        {"ORVALIS PATTERN 1\n0 0 0\n", "line 2: a line needs at least two points"},
        {"ORVALIS PATTERN 1\n\n0 0 0 1 x 1\n", "line 3: not a coordinate"},
    };
    for (const Bad& b : bad) {
        try {
            ParsePatternFile(b.text);
            ADD_FAILURE() << b.text;
        } catch (const PatternFileError& error) {
            EXPECT_EQ(std::string(error.what()), b.error) << b.text;
        }
    }
}

}  // namespace
}  // namespace orvalis::testing
