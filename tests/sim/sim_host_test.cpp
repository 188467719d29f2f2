#include "sim/sim_host.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/host_error.h"
#include "host/session.h"
#include "platform/file_error.h"
#include "sim/sim_folder.h"
#include "sim_projects.h"
#include "support/temp_folder.h"

namespace orvalis::testing {
namespace {

using namespace sim;

// A small project: the model 100 x 80 x 30, the tools "D10" (end mill) and
// "D10R1" (tip-radiused), one toolpath "TP" on D10.
Project SmallProject() {
    Project project;
    project.name = "SMALL";
    project.path = "C:\\JOBS\\SMALL";
    project.version = 8009;
    project.model_limits = {-50, 50, -40, 40, -30, 0};
    project.tools.push_back({"D10", ToolType::kEndMill, 10, 0, 75, 35, {}, {}});
    project.tools.push_back({"D10R1", ToolType::kTipRadiused, 10, 1, 100.5, 35.2, {}, {}});
    Toolpath toolpath;
    toolpath.name = "TP";
    toolpath.tool = "D10";
    toolpath.lowest_z = -12;
    project.toolpaths.push_back(toolpath);
    return project;
}

// What a refused command must leave as it was.
std::string StateOf(const Project& project) {
    std::string state = project.active_toolpath + "|" + project.active_tool + "|" +
                        project.active_pattern + "|" + project.active_nc_program;
    for (const Tool& tool : project.tools) {
        state += "|" + tool.name + " " + std::to_string(tool.length) + " " +
                 std::to_string(tool.overhang) + " " + std::to_string(tool.shank.size()) + " " +
                 std::to_string(tool.holder.size());
    }
    for (const Pattern& pattern : project.patterns) {
        state += "|" + pattern.name + " " + std::to_string(pattern.polylines.size());
    }
    for (const NcProgram& program : project.nc_programs) {
        state += "|" + program.name + " " + program.tape_options + " " + program.filename;
    }
    return state;
}

// A command the host cannot carry out is refused with the host's text and
// changes nothing: the call fails while the error dialogs are on, and is
// refused quietly (the text is the answer) once they are off, as the capture
// and the collision check switch them. The rows are what the product's runs
// meet: entities the project lacks, sizes of a shop's assembly table left
// empty or negative, glyph files that are missing or broken, an option file
// that is gone, an output folder that is gone.
TEST(SimHost, RefusesWhatItCannotDoWithTheHostsTextAndChangesNothing) {
    const std::string create_nc =
        "CREATE NCPROGRAM 'TP' EDIT NCPROGRAM 'TP' APPEND TOOLPATH 'TP' DEACTIVATE NCPROGRAM";
    const std::string fanuc =
        "EDIT NCPROGRAM 'TP' TAPEOPTIONS C:\\dcam\\config\\ductpost\\Fanuc-0i-3X.opt";
    struct Case {
        std::vector<std::string> setup;
        std::string line;
        std::string text;
    };
    const Case cases[] = {
        {{}, "ACTIVATE Toolpath 'NOPE'", "Toolpath 'NOPE' does not exist"},
        {{},
         "print entity parameters  toolpath 'tp'",
         "Toolpath 'tp' does not exist"},  // names keep case
        {{}, "PRINT VALUE NOPE", "Parameter 'NOPE' does not exist"},
        {{}, "SIZE TOOLPATH ;", "No active toolpath"},
        {{}, "EDIT TOOL 'D10' LENGTH  -5Yes", "Invalid value -5Yes: EDIT TOOL 'D10' LENGTH  -5Yes"},
        {{}, "EDIT TOOL 'D10' HOLDER_COMPONENT LENGTH  30", "Tool 'D10' has no holder component"},
        {{}, "DELETE TOOL 'D10'", "Tool 'D10' is used by toolpath 'TP'"},
        {{}, "EDIT COLLISION APPLY", "No active toolpath"},
        {{"CREATE PATTERN 'P'"},
         "Edit Pattern 'P' INSERT FILE  'C:\\G\\NONE.PIC'",
         "File 'C:\\G\\NONE.PIC' does not exist"},
        {{"CREATE PATTERN 'P'"},
         "Edit Pattern 'P' INSERT FILE  'C:\\G\\BAD.PIC'",
         "File 'C:\\G\\BAD.PIC' is not a pattern file: line 2: the coordinates are not x y z "
         "triples"},
        {{create_nc},
         "EDIT NCPROGRAM 'TP' TAPEOPTIONS C:\\OPT\\NOPE.opt",
         "Option file 'C:\\OPT\\NOPE.opt' does not exist"},
        {{create_nc, fanuc, "EDIT NCPROGRAM 'TP' FILENAME C:\\NO SUCH\\TP.nc",
          "ACTIVATE NCPROGRAM 'TP'"},
         "KEEP NCPROGRAM ;",
         "Folder 'C:\\NO SUCH' does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TempDrives drives;
        ScopedEnv sim_dir("ORVALIS_SIM_DIR", ORVALIS_TEST_SIM_DIR);
        drives.Write("C:\\G\\BAD.PIC", "ORVALIS PATTERN 1\n0 0 0  1 0\n");
        SimRig rig(SmallProject());
        PrepareHostFolders(rig.host->project().path);
        rig.pm.RunCommand("ACTIVATE Toolpath 'TP' DEACTIVATE TOOLPATH");
        for (const std::string& line : c.setup) rig.pm.RunCommand(line);
        const std::string before = StateOf(rig.host->project());
        try {
            rig.pm.RunCommandOutput(c.line);
            ADD_FAILURE() << "accepted";
        } catch (const host::HostError& error) {
            EXPECT_EQ(std::string(error.what()), c.text);
            EXPECT_EQ(error.command(), "RunCommandOutput " + c.line);
        }
        rig.pm.RunCommand("DIALOGS ERROR OFF");
        EXPECT_EQ(rig.pm.RunCommandOutput(c.line), c.text + "\r\n");
        EXPECT_EQ(rig.host->quiet_errors(), std::vector<std::string>{c.text});
        EXPECT_EQ(StateOf(rig.host->project()), before);
        EXPECT_TRUE(rig.host->recorded().empty());
        EXPECT_FALSE(std::filesystem::exists(drives.File("C:\\NO SUCH")));
    }
}

// On a shop's own machine the host's option folder holds the shop's files:
// starting fills in the missing ones and leaves those alone.
TEST(SimHost, StartingFillsThePostOptionFolderAndKeepsTheShopsOwnFiles) {
    TempDrives drives;
    ScopedEnv sim_dir("ORVALIS_SIM_DIR", ORVALIS_TEST_SIM_DIR);
    drives.Write("C:\\dcam\\config\\ductpost\\Fanuc-0i-3X.opt", "the shop's own options");
    auto backend = host::MakeBackend("sim");
    EXPECT_EQ(drives.Read("C:\\dcam\\config\\ductpost\\Fanuc-0i-3X.opt"), "the shop's own options");
    EXPECT_TRUE(drives.Read("C:\\dcam\\config\\ductpost\\Heidenhain-TNC640.opt"));
    EXPECT_THROW(host::MakeBackend("sim:/no/such/project.json"), FileError);
}

}  // namespace
}  // namespace orvalis::testing
