#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_run.h"
#include "platform/atomic_file.h"
#include "support/temp_folder.h"

namespace orvalis::cli {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(CliNcOutput, PostWritesOneNcFilePerToolpathWithItsNcName) {
    SimCli cli;
    fs::path out = cli.folder.path() / "NC OUT";
    fs::create_directory(out);
    auto run = cli.Run({"post", "--folder", out.string(), "--prefix", "OP", "--start", "10"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> expected;
    for (int n = 10; n <= 21; ++n)
        expected.push_back((out / ("OP" + std::to_string(n) + ".nc")).string());
    EXPECT_EQ(Lines(run.out), expected);
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(out)) files += entry.is_regular_file();
    EXPECT_EQ(files, 12u);  // nothing else: no temporary files left behind

    // The first option file of the folder is Fanuc's.
    auto rough = Lines(ReadFileBytes(out / "OP10.nc").value_or(""));
    ASSERT_GT(rough.size(), 20u);
    EXPECT_EQ(rough[0], "%");
    EXPECT_EQ(rough[1], "O0010 (OP10)");
    EXPECT_EQ(rough[2], "(NC PROGRAM 01-ROUGH-D16R1)");
    EXPECT_TRUE(Holds(rough, "(T1 D16R1 - TIP RADIUSED D16 R1)"));
    EXPECT_TRUE(Holds(rough, "T1 M06"));
    EXPECT_TRUE(Holds(rough, "S2980 M03"));
    EXPECT_TRUE(Holds(rough, "G43 Z10. H1 M08"));
    EXPECT_TRUE(Holds(rough, "G01 Z-1. F380"));  // the first of the roughing levels
    EXPECT_EQ(rough[rough.size() - 2], "M30");
    EXPECT_EQ(rough.back(), "%");
    auto outer = Lines(ReadFileBytes(out / "OP21.nc").value_or(""));
    EXPECT_TRUE(Holds(outer, "(NC PROGRAM 12-OUTER-ZLEVEL-D12)"));
    EXPECT_TRUE(Holds(outer, "T2 M06"));
    EXPECT_TRUE(Holds(outer, "Z-25. F380"));  // the last level, at its lowest point

    // The host keeps no NC program and has its messages back on.
    std::string transcript = cli.Transcript();
    auto post = transcript.find("# post\n");
    ASSERT_NE(post, std::string::npos);
    EXPECT_NE(transcript.find("RunCommand EDIT NCPROGRAM '01-ROUGH-D16R1' FILENAME " +
                                  (out / "OP10.nc").string() + "\n",
                              post),
              std::string::npos);
    EXPECT_TRUE(
        transcript.ends_with("RunCommand DELETE NCPROGRAM ALL\nRunCommand DIALOGS MESSAGE ON\n"));
}

TEST(CliNcOutput, PostWritesHeidenhainProgramsWithThatOptionFile) {
    SimCli cli;
    auto run = cli.Run({"post", "05-FLOOR-RASTER-D12", "08-BOSS-SPIRAL-D6B", "--folder",
                        cli.folder.path().string(), "--post", "Heidenhain-TNC640.opt"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{(cli.folder.path() / "05-FLOOR-RASTER-D12.nc").string(),
                                        (cli.folder.path() / "08-BOSS-SPIRAL-D6B.nc").string()}));
    auto floor = Lines(ReadFileBytes(cli.folder.path() / "05-FLOOR-RASTER-D12.nc").value_or(""));
    ASSERT_GT(floor.size(), 10u);
    EXPECT_EQ(floor[0], "0 BEGIN PGM 05-FLOOR-RASTER-D12 MM");
    EXPECT_EQ(floor[3], "3 ; Heidenhain TNC 640");
    EXPECT_EQ(floor[4], "4 BLK FORM 0.1 Z X-50 Y-40 Z-30");
    EXPECT_TRUE(Holds(floor, "8 TOOL CALL 2 Z S3980"));
    EXPECT_EQ(floor[floor.size() - 2], std::to_string(floor.size() - 2) + " M30");
    EXPECT_EQ(floor.back(), std::to_string(floor.size() - 1) + " END PGM 05-FLOOR-RASTER-D12 MM");
    // The spiral follows its own points down around the boss.
    auto spiral = Lines(ReadFileBytes(cli.folder.path() / "08-BOSS-SPIRAL-D6B.nc").value_or(""));
    EXPECT_GT(spiral.size(), 190u);
    EXPECT_TRUE(Holds(spiral, "8 TOOL CALL 6 Z S7960"));
    EXPECT_TRUE(Holds(spiral, "10 L X+11 Y+0 R0 FMAX M8"));
}

TEST(CliNcOutput, PostIntoAFolderThatIsGoneStopsWithTheHostsText) {
    SimCli cli;
    auto run = cli.Run({"post", "--folder", (cli.folder.path() / "gone").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("'01-ROUGH-D16R1'"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Folder '" + (cli.folder.path() / "gone").string() + "' does not exist"),
              std::string::npos)
        << run.err;
}

TEST(CliNcOutput, RenameGivesTheSampleToolpathsThePrefixAndARunningNumber) {
    SimCli cli;
    auto run = cli.Run({"rename", "T-"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> expected;
    for (int n = 1; n <= 12; ++n) expected.push_back("T-" + std::to_string(n));
    EXPECT_EQ(Lines(run.out), expected);
    // The names printed are the host's answer after the rename.
    std::string transcript = cli.Transcript();
    auto asked = transcript.find("# toolpaths\n");
    ASSERT_NE(asked, std::string::npos);
    EXPECT_NE(transcript.find("ToolpathNames\n", asked), std::string::npos);
}

TEST(CliNcOutput, RenameToANameAnotherToolpathHoldsIsRefusedByTheHost) {
    SimCli cli;
    fs::path project = cli.folder.path() / "taken.json";
    std::ofstream(project) << R"({
  "project": {"name": "TAKEN", "path": "C:\\JOBS\\TAKEN"},
  "version": 8009,
  "model": {"limits": [-50, 50, -40, 40, -30, 0]},
  "tools": [{"name": "D10", "type": "ENDMILL", "diameter": 10, "length": 75, "overhang": 35}],
  "toolpaths": [{"name": "X", "tool": "D10", "strategy": "raster", "lowest_z": -5},
                {"name": "A1", "tool": "D10", "strategy": "raster", "lowest_z": -5}]
})";
    auto run = cli.Run({"rename", "A"}, "sim:" + project.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "X\nA2\n");  // X could not take A1 from the later toolpath
    EXPECT_NE(run.err.find("Toolpath 'A1' already exists"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace orvalis::cli
