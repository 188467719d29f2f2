#include "sim/sim_host.h"

#include <gtest/gtest.h>

#include "host/host_error.h"
#include "host/session.h"
#include "platform/file_error.h"
#include "sim/sim_folder.h"
#include "sim_projects.h"
#include "support/temp_folder.h"

namespace orvalis::testing {
namespace {

using namespace sim;

TEST(SimHost, AnswersTheMainWindowsLoadSequence) {
    SimRig rig(SampleProject());
    EXPECT_EQ(std::to_string(rig.pm.Version()), "8009");
    auto names = rig.pm.ToolpathNames();
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(names.front(), "01-ROUGH-D16R1");
    EXPECT_EQ(names.back(), "12-OUTER-ZLEVEL-D12");
    EXPECT_EQ(rig.pm.RunCommandOutput("PRINT VALUE PROJECTPATH"), "C:\\JOBS\\INSERT-100\r\n");
    EXPECT_EQ(rig.pm.RunCommandOutput("PRINT VALUE PROJECTNAME"), "INSERT-100\r\n");
    EXPECT_EQ(rig.pm.RunCommandOutput("print value projectname"), "INSERT-100\r\n");
}

// A command about something the project lacks is refused with the host's
// text and changes nothing: the call fails while the error dialogs are on,
// and is refused quietly (the text is the answer) while they are off.
TEST(SimHost, RefusesCommandsAboutMissingEntitiesWithTheHostsText) {
    struct Case {
        const char* line;
        const char* text;
    };
    const Case cases[] = {
        {"ACTIVATE Toolpath 'NOPE'", "Toolpath 'NOPE' does not exist"},
        {"ACTIVATE Pattern 'NOPE'", "Pattern 'NOPE' does not exist"},
        {"print entity parameters  toolpath 'tp'",
         "Toolpath 'tp' does not exist"},  // names keep case
        {"PRINT VALUE NOPE", "Parameter 'NOPE' does not exist"},
        {"PRINT FORMVALUE Nope.Value", "Form value 'Nope.Value' does not exist"},
        {"EDIT BLOCK RESETLIMIT wide", "Command not recognised: EDIT BLOCK RESETLIMIT wide"},
        {"ACTIVATE Toolpath 'TP", "Command not recognised: ACTIVATE Toolpath 'TP"},
        {"ACTIVATE Toolpath 'TP' NOW", "Command not recognised: ACTIVATE Toolpath 'TP' NOW"},
        {"SIZE TOOLPATH ;", "No active toolpath"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SimRig rig(SmallProject());
        rig.pm.RunCommand("ACTIVATE Toolpath 'TP' DEACTIVATE TOOLPATH");
        try {
            rig.pm.RunCommandOutput(c.line);
            ADD_FAILURE() << "accepted";
        } catch (const host::HostError& error) {
            EXPECT_EQ(std::string(error.what()), c.text);
            EXPECT_EQ(error.command(), std::string("RunCommandOutput ") + c.line);
        }
        rig.pm.RunCommand("DIALOGS ERROR OFF");
        EXPECT_EQ(rig.pm.RunCommandOutput(c.line), std::string(c.text) + "\r\n");
        EXPECT_EQ(rig.host->quiet_errors(), std::vector<std::string>{c.text});
        EXPECT_TRUE(rig.host->project().active_toolpath.empty());
        EXPECT_EQ(rig.host->project().active_tool, "D10");
        EXPECT_TRUE(rig.host->recorded().empty());
    }
}

TEST(SimHost, StopsALineAtItsFirstRefusedCommand) {
    SimRig rig(SmallProject());
    rig.pm.RunCommand("DIALOGS ERROR OFF");
    std::string answer = rig.pm.RunCommandOutput(
        "ACTIVATE Toolpath 'TP' PRINT VALUE PROJECTNAME ACTIVATE Tool 'NOPE' DEACTIVATE TOOLPATH");
    EXPECT_EQ(answer, "SMALL\r\nTool 'NOPE' does not exist\r\n");
    EXPECT_EQ(rig.host->project().active_toolpath, "TP");
    rig.pm.RunCommand("DIALOGS ERROR ON");
    EXPECT_THROW(rig.pm.RunCommand("DEACTIVATE TOOLPATH ACTIVATE Tool 'NOPE'"), host::HostError);
    EXPECT_TRUE(rig.host->project().active_toolpath.empty());  // what came before stays done
}

TEST(SimHost, StartsWithTheBundledProjectAndFillsThePostOptionFolder) {
    TempDrives drives;
    ScopedEnv sim_dir("ORVALIS_SIM_DIR", ORVALIS_TEST_SIM_DIR);
    drives.Write("C:\\dcam\\config\\ductpost\\Fanuc-0i-3X.opt", "the shop's own options");
    auto backend = host::MakeBackend("sim");
    EXPECT_EQ(backend->Version(), 8009);
    EXPECT_EQ(drives.Read("C:\\dcam\\config\\ductpost\\Fanuc-0i-3X.opt"), "the shop's own options");
    auto shipped = drives.Read("C:\\dcam\\config\\ductpost\\Heidenhain-TNC640.opt");
    ASSERT_TRUE(shipped);
    EXPECT_NE(shipped->find("controller=Heidenhain TNC 640\r\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(drives.File("C:\\JOBS\\INSERT-100")));

    auto from_file = host::MakeBackend("sim:" + SampleProjectFile().string());
    EXPECT_EQ(from_file->ToolpathNames().size(), 12u);
    EXPECT_THROW(host::MakeBackend("sim:/no/such/project.json"), FileError);
}

}  // namespace
}  // namespace orvalis::testing
