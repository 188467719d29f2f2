#include <gtest/gtest.h>

#include "host/host_error.h"
#include "sim_projects.h"

namespace orvalis::testing {
namespace {

using namespace sim;

const Tool& ToolNamed(SimRig& rig, const std::string& name) {
    for (const Tool& tool : rig.host->project().tools) {
        if (tool.name == name) return tool;
    }
    throw std::runtime_error("no tool " + name);
}

bool HasTool(SimRig& rig, const std::string& name) {
    for (const Tool& tool : rig.host->project().tools) {
        if (tool.name == name) return true;
    }
    return false;
}

TEST(SimTools, ACloneBecomesTheActiveToolAndTakesTheAssemblyEditsAndGoesAgain) {
    SimRig rig(SmallProject());
    auto& pm = rig.pm;
    pm.RunCommandOutput("ACTIVATE Toolpath 'TP'");
    pm.RunCommand("EDIT TOOL 'D10' CLONE");
    EXPECT_EQ(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"), "D10_1\r\n");
    pm.RunCommand("EDIT TOOL 'D10' CLONE");
    EXPECT_EQ(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"), "D10_2\r\n");
    for (const char* line : {
             "EDIT TOOL 'D10_2' LENGTH  80Yes",
             "EDIT TOOL 'D10_2' SHANK_CLEAR",
             "EDIT TOOL 'D10_2' SHANK_COMPONENT ADD",
             "EDIT TOOL 'D10_2' SHANK_COMPONENT LOWERDIA  9.5",
             "EDIT TOOL 'D10_2' SHANK_COMPONENT UPPERDIA  10",
             "EDIT TOOL 'D10_2' SHANK_COMPONENT LENGTH  30",
             "EDIT TOOL 'D10_2' HOLDER_CLEAR",
             "EDIT TOOL 'D10_2' HOLDER_COMPONENT ADD",
             "EDIT TOOL 'D10_2' HOLDER_COMPONENT LOWERDIA  24",
             "EDIT TOOL 'D10_2' HOLDER_COMPONENT ADD",
             "EDIT TOOL 'D10_2' HOLDER_COMPONENT LENGTH  40",
             "EDIT TOOL 'D10_2' OVERHANG 0",
             "EDIT TOOL ; HOLDER_COMPONENT IGNORE YES",
         }) {
        pm.RunCommand(line);
    }
    const Tool& clone = ToolNamed(rig, "D10_2");
    EXPECT_EQ(clone.diameter, 10);
    EXPECT_EQ(clone.length, 80);
    EXPECT_EQ(clone.overhang, 0);
    ASSERT_EQ(clone.shank.size(), 1u);
    EXPECT_EQ(clone.shank[0].lower_diameter, 9.5);
    EXPECT_EQ(clone.shank[0].upper_diameter, 10);
    EXPECT_EQ(clone.shank[0].length, 30);
    ASSERT_EQ(clone.holder.size(), 2u);
    EXPECT_EQ(clone.holder[0].lower_diameter, 24);
    EXPECT_EQ(clone.holder[1].length, 40);  // sizes go to the newest section
    EXPECT_TRUE(clone.holder_ignored);
    EXPECT_EQ(ToolNamed(rig, "D10").length, 75);  // the original is untouched
    EXPECT_TRUE(rig.host->recorded().empty());

    pm.RunCommand("DELETE TOOL 'D10_2'");
    EXPECT_FALSE(HasTool(rig, "D10_2"));
    EXPECT_EQ(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"), "\r\n");
    EXPECT_TRUE(HasTool(rig, "D10_1"));
}

TEST(SimTools, RefusesEditsItCannotReadOrThatWouldBreakTheProject) {
    struct Case {
        const char* line;
        const char* text;
    };
    const Case cases[] = {
        {"EDIT TOOL 'D10' LENGTH  Yes", "Command not recognised: EDIT TOOL 'D10' LENGTH  Yes"},
        {"EDIT TOOL 'D10' LENGTH  -5Yes", "Invalid value -5Yes: EDIT TOOL 'D10' LENGTH  -5Yes"},
        {"EDIT TOOL 'D10' SHANK_COMPONENT LOWERDIA  ",
         "Command not recognised: EDIT TOOL 'D10' SHANK_COMPONENT LOWERDIA"},
        {"EDIT TOOL 'D10' HOLDER_COMPONENT LENGTH  30", "Tool 'D10' has no holder component"},
        {"EDIT TOOL 'NOPE' CLONE", "Tool 'NOPE' does not exist"},
        {"DELETE TOOL 'D10'", "Tool 'D10' is used by toolpath 'TP'"},
        {"EDIT COLLISION APPLY", "No active toolpath"},
        {"EDIT COLLISION HOLDER_CLEARANCE ",
         "Command not recognised: EDIT COLLISION HOLDER_CLEARANCE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SimRig rig(SmallProject());
        Project before = rig.host->project();
        ExpectRefusedThenQuiet(rig.pm, c.line, c.text);
        const Project& after = rig.host->project();
        ASSERT_EQ(after.tools.size(), before.tools.size());
        EXPECT_EQ(after.tools[0].length, before.tools[0].length);
        EXPECT_EQ(after.tools[0].overhang, before.tools[0].overhang);
        EXPECT_TRUE(after.tools[0].shank.empty());
    }
}

}  // namespace
}  // namespace orvalis::testing
