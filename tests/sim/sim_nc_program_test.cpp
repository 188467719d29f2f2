#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "host/host_error.h"
#include "nc_output/nc_post.h"
#include "sim/nc/nc_job.h"
#include "sim/nc/nc_words.h"
#include "sim/sim_folder.h"
#include "sim_projects.h"
#include "support/temp_folder.h"

namespace orvalis::testing {
namespace {

using namespace sim;

const std::string kOptionFolder = "C:\\dcam\\config\\ductpost\\";

// The simulated host with the shipped option files in its option folder and
// an empty folder C:\NC for the NC files.
struct NcRig {
    explicit NcRig(Project project = SmallProject()) : rig(std::move(project)) {
        PrepareHostFolders(rig.host->project().path);
        std::filesystem::create_directories(drives.File("C:\\NC"));
    }

    // Sends what "NC POST" sends for one toolpath.
    void Post(const std::string& toolpath, const std::string& option, const std::string& file) {
        for (const auto& line : nc_output::PostCommands(toolpath, kOptionFolder + option, file)) {
            rig.pm.RunCommand(line);
        }
    }

    std::string Read(const std::string& drive_path) const {
        return drives.Read(drive_path).value_or("(missing)");
    }

    TempDrives drives;
    ScopedEnv sim_dir{"ORVALIS_SIM_DIR", ORVALIS_TEST_SIM_DIR};
    SimRig rig;
};

TEST(SimNcPrograms, KeepWritesTheToolpathInTheDialectTheOptionFileNames) {
    Project project = SmallProject();
    project.toolpaths[0].stepdown = 12;  // one level, from the top at Z0 to Z-12
    NcRig nc(std::move(project));
    nc.Post("TP", "Fanuc-0i-3X.opt", "C:\\NC\\OP10.nc");
    EXPECT_EQ(nc.Read("C:\\NC\\OP10.nc"),
              "%\r\n"
              "O0010 (OP10)\r\n"
              "(NC PROGRAM TP)\r\n"
              "(PROJECT SMALL)\r\n"
              "(FANUC 0I-MF)\r\n"
              "G21 G17 G40 G49 G80 G90\r\n"
              "(TOOLPATH TP)\r\n"
              "(T1 D10 - END MILL D10)\r\n"
              "T1 M06\r\n"
              "G00 G90 G54 X-45. Y-35.\r\n"
              "S4770 M03\r\n"
              "G43 Z10. H1 M08\r\n"
              "Z5.\r\n"
              "G01 Z-12. F380\r\n"
              "X45. F1140\r\n"
              "Y35.\r\n"
              "X-45.\r\n"
              "Y-35.\r\n"
              "G00 Z10.\r\n"
              "M09\r\n"
              "M05\r\n"
              "G91 G28 Z0.\r\n"
              "G90\r\n"
              "M30\r\n"
              "%\r\n");
    nc.Post("TP", "Heidenhain-TNC640.opt", "C:\\NC\\OP10.h");
    EXPECT_EQ(nc.Read("C:\\NC\\OP10.h"),
              "0 BEGIN PGM OP10 MM\r\n"
              "1 ; NC PROGRAM TP\r\n"
              "2 ; PROJECT SMALL\r\n"
              "3 ; Heidenhain TNC 640\r\n"
              "4 BLK FORM 0.1 Z X-50 Y-40 Z-30\r\n"
              "5 BLK FORM 0.2 X+50 Y+40 Z+0\r\n"
              "6 ; TOOLPATH TP\r\n"
              "7 ; T1 D10 - END MILL D10\r\n"
              "8 TOOL CALL 1 Z S4770\r\n"
              "9 L Z+10 R0 FMAX M3\r\n"
              "10 L X-45 Y-35 R0 FMAX M8\r\n"
              "11 L Z+5 FMAX\r\n"
              "12 L Z-12 F380\r\n"
              "13 L X+45 F1140\r\n"
              "14 L Y+35\r\n"
              "15 L X-45\r\n"
              "16 L Y-35\r\n"
              "17 L Z+10 FMAX M5 M9\r\n"
              "18 M30\r\n"
              "19 END PGM OP10 MM\r\n");
    // The programs were only vehicles: the run's closing delete leaves none.
    nc.rig.pm.RunCommand("DELETE NCPROGRAM ALL");
    EXPECT_TRUE(nc.rig.host->project().nc_programs.empty());
    EXPECT_TRUE(nc.rig.host->project().active_nc_program.empty());
    EXPECT_TRUE(nc.rig.host->recorded().empty());
}

TEST(SimNcPrograms, FileNamesKeepTheirBlanksAndMayStandInQuotes) {
    NcRig nc;
    std::filesystem::create_directories(nc.drives.File("C:\\NC DATA\\MOULD 7"));
    nc.Post("TP", "Heidenhain-TNC640.opt", "C:\\NC DATA\\MOULD 7\\T 12.h");
    std::string text = nc.Read("C:\\NC DATA\\MOULD 7\\T 12.h");
    EXPECT_EQ(text.rfind("0 BEGIN PGM T_12 MM\r\n", 0), 0u) << text;

    auto& pm = nc.rig.pm;
    pm.RunCommand("CREATE NCPROGRAM 'Q' EDIT NCPROGRAM 'Q' APPEND TOOLPATH 'TP'");
    pm.RunCommand("EDIT NCPROGRAM 'Q' TAPEOPTIONS '" + kOptionFolder + "Fanuc-0i-3X.opt'");
    pm.RunCommand("EDIT NCPROGRAM 'Q' FILENAME 'C:\\NC DATA\\Q 1.nc'");
    pm.RunCommand("KEEP NCPROGRAM ;");
    EXPECT_EQ(nc.Read("C:\\NC DATA\\Q 1.nc").rfind("%\r\nO0001 (Q 1)\r\n", 0), 0u);
    EXPECT_EQ(nc.rig.host->project().nc_programs.back().tape_options,
              kOptionFolder + "Fanuc-0i-3X.opt");
}

// A refused NC command changes nothing and writes nothing: the call fails with
// the host's text while the error dialogs are on, and is refused quietly after
// "DIALOGS ERROR OFF".
TEST(SimNcPrograms, RefusesWhatTheHostCannotDoWithItsText) {
    const std::string fanuc =
        "EDIT NCPROGRAM 'TP' TAPEOPTIONS " + kOptionFolder + "Fanuc-0i-3X.opt";
    const std::string create =
        "CREATE NCPROGRAM 'TP' EDIT NCPROGRAM 'TP' APPEND TOOLPATH 'TP' DEACTIVATE NCPROGRAM";
    struct Case {
        std::vector<std::string> setup;
        std::string line;
        std::string text;
    };
    const Case cases[] = {
        {{create},
         "EDIT NCPROGRAM 'TP' TAPEOPTIONS C:\\OPT\\NOPE.opt",
         "Option file 'C:\\OPT\\NOPE.opt' does not exist"},
        {{create},
         "EDIT NCPROGRAM 'TP' TAPEOPTIONS C:\\OPT\\plain.opt",
         "Option file 'C:\\OPT\\plain.opt': names no dialect (dialect=fanuc or "
         "dialect=heidenhain)"},
        {{create},
         "EDIT NCPROGRAM 'TP' TAPEOPTIONS C:\\OPT\\five.opt",
         "Option file 'C:\\OPT\\five.opt': decimals must be a whole number from 0 to 4"},
        {{create},
         "EDIT NCPROGRAM 'TP' FILENAME",
         "Command not recognised: EDIT NCPROGRAM 'TP' FILENAME"},
        {{create}, "CREATE NCPROGRAM 'TP'", "NC program 'TP' already exists"},
        {{create}, "KEEP NCPROGRAM ;", "No active NC program"},
        {{create, fanuc}, "KEEP NCPROGRAM 'TP'", "NC program 'TP' has no output file"},
        {{"CREATE NCPROGRAM 'E'", "EDIT NCPROGRAM 'E' FILENAME C:\\NC\\E.nc",
          "EDIT NCPROGRAM 'E' TAPEOPTIONS " + kOptionFolder + "Fanuc-0i-3X.opt"},
         "KEEP NCPROGRAM 'E'",
         "NC program 'E' holds no toolpath"},
        {{create, fanuc, "EDIT NCPROGRAM 'TP' FILENAME C:\\NO SUCH\\TP.nc"},
         "ACTIVATE NCPROGRAM 'TP' KEEP NCPROGRAM ;",
         "Folder 'C:\\NO SUCH' does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        NcRig nc;
        nc.drives.Write("C:\\OPT\\plain.opt", "controller=Someone's own\r\n");
        nc.drives.Write("C:\\OPT\\five.opt", "dialect=fanuc\r\ndecimals=5\r\n");
        for (const auto& line : c.setup) nc.rig.pm.RunCommand(line);
        const Project before = nc.rig.host->project();
        ExpectRefusedThenQuiet(nc.rig.pm, c.line, c.text);
        const Project& after = nc.rig.host->project();
        ASSERT_EQ(after.nc_programs.size(), before.nc_programs.size());
        for (std::size_t i = 0; i < after.nc_programs.size(); ++i) {
            EXPECT_EQ(after.nc_programs[i].tape_options, before.nc_programs[i].tape_options);
        }
        EXPECT_TRUE(std::filesystem::is_empty(nc.drives.File("C:\\NC")));
    }
}

TEST(SimNcPrograms, ProgramNumbersComeFromTheFilesNameAndNumbersKeepTheirPoint) {
    struct Case {
        const char* name;
        int number;
    };
    const Case cases[] = {{"OP10", 10}, {"T-0012", 12}, {"PART123456", 3456},
                          {"ROUGH", 7}, {"X0000", 7},   {"7", 7}};
    for (const Case& c : cases) EXPECT_EQ(ProgramNumberOf(c.name, 7), c.number) << c.name;
    EXPECT_EQ(ProgramNameOf("C:\\NC DATA\\OP 10.nc"), "OP 10");
    EXPECT_EQ(ProgramNameOf("/home/cam/out/OP10.tap"), "OP10");

    EXPECT_EQ(FanucNumber(50, 3), "50.");  // without its point a Fanuc reads 0.05
    EXPECT_EQ(FanucNumber(-21.7, 3), "-21.7");
    EXPECT_EQ(FanucNumber(-0.0001, 3), "0.");
    EXPECT_EQ(FanucNumber(12.6, 0), "13.");
    EXPECT_EQ(HeidenhainNumber(0, 3), "+0");
    EXPECT_EQ(HeidenhainNumber(1.23456, 3), "+1.235");
    EXPECT_EQ(HeidenhainNumber(-21.7, 3), "-21.7");
}

TEST(SimRename, RenamesAToolpathAndWhatRefersToIt) {
    Project project = SmallProject();
    Toolpath second = project.toolpaths[0];
    second.name = "TP2";
    project.toolpaths.push_back(second);
    SimRig rig(std::move(project));
    auto& pm = rig.pm;
    pm.RunCommand("CREATE NCPROGRAM 'N' EDIT NCPROGRAM 'N' APPEND TOOLPATH 'TP'");
    pm.RunCommand("ACTIVATE Toolpath 'TP'");
    pm.RunCommand("RENAME Toolpath 'TP'  'A1'");
    pm.RunCommand("RENAME Toolpath 'TP2'  'TP2'");  // its own name: nothing to do
    EXPECT_EQ(pm.ToolpathNames(), (std::vector<std::string>{"A1", "TP2"}));
    EXPECT_EQ(rig.host->project().active_toolpath, "A1");
    EXPECT_EQ(rig.host->project().nc_programs[0].toolpaths, std::vector<std::string>{"A1"});

    struct Case {
        const char* line;
        const char* text;
    };
    const Case refusals[] = {
        {"RENAME Toolpath 'A1'  'TP2'", "Toolpath 'TP2' already exists"},
        {"RENAME Toolpath 'A1'", "Command not recognised: RENAME Toolpath 'A1'"},
    };
    for (const Case& c : refusals) {
        pm.RunCommand("DIALOGS ERROR ON");
        ExpectRefusedThenQuiet(pm, c.line, c.text);
    }
    EXPECT_EQ(pm.ToolpathNames(), (std::vector<std::string>{"A1", "TP2"}));
}

}  // namespace
}  // namespace orvalis::testing
