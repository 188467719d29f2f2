// The commands that work on the simulated host's sample project: what each
// prints, and the exit status when the host refuses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_run.h"
#include "data_files/tool_assembly_file.h"
#include "platform/atomic_file.h"

namespace orvalis::cli {
namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> Rows(const std::string& out) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

// The sample project with the sample tool-assembly table in the data folder.
struct CheckCli : SimCli {
    CheckCli() {
        drives.Write(settings::ToolAssemblyFilePath(),
                     ReadFileBytes(ORVALIS_TEST_SIM_DIR "/sample-tool-assemblies.DAT").value());
    }
};

TEST(CliOnSim, PostPrintsTheNcFilesItWroteOrTheHostsRefusal) {
    SimCli cli;
    fs::path out = cli.folder.path() / "NC OUT";
    fs::create_directory(out);
    auto run = cli.Run({"post", "--folder", out.string(), "--prefix", "OP", "--start", "10"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string expected;
    for (int n = 10; n <= 21; ++n)
        expected += (out / ("OP" + std::to_string(n) + ".nc")).string() + "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 12);

    auto heidenhain = cli.Run({"post", "05-FLOOR-RASTER-D12", "--folder", out.string(), "--post",
                               "Heidenhain-TNC640.opt"});
    ASSERT_EQ(heidenhain.status, 0) << heidenhain.err;
    EXPECT_TRUE(ReadFileBytes(out / "05-FLOOR-RASTER-D12.nc")
                    ->starts_with("0 BEGIN PGM 05-FLOOR-RASTER-D12 MM"));

    auto gone = cli.Run({"post", "--folder", (cli.folder.path() / "gone").string()});
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.out, "");
    EXPECT_NE(
        gone.err.find("Folder '" + (cli.folder.path() / "gone").string() + "' does not exist"),
        std::string::npos)
        << gone.err;
}

TEST(CliOnSim, RenamePrintsTheHostsNamesAfterwardsEvenWhenItRefusedOne) {
    SimCli cli;
    auto run = cli.Run({"rename", "T-"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 8), "T-1\nT-2\n");

    fs::path project = cli.folder.path() / "taken.json";
    std::ofstream(project) << R"({
  "project": {"name": "TAKEN", "path": "C:\\JOBS\\TAKEN"},
  "version": 8009,
  "model": {"limits": [-50, 50, -40, 40, -30, 0]},
  "tools": [{"name": "D10", "type": "ENDMILL", "diameter": 10, "length": 75, "overhang": 35}],
  "toolpaths": [{"name": "X", "tool": "D10", "strategy": "raster", "lowest_z": -5},
                {"name": "A1", "tool": "D10", "strategy": "raster", "lowest_z": -5}]
})";
    auto taken = cli.Run({"rename", "A"}, "sim:" + project.string());
    EXPECT_EQ(taken.status, 1);
    EXPECT_EQ(taken.out, "X\nA2\n");  // X could not take A1 from the later toolpath
    EXPECT_NE(taken.err.find("Toolpath 'A1' already exists"), std::string::npos) << taken.err;
}

TEST(CliOnSim, CollisionPrintsTheRowsWithAdjustedLengthsAndEachRowsAssembly) {
    CheckCli cli;
    auto run = cli.Run({"collision"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 12u);
    // Tool length (depth below the block top + holder clearance), shank,
    // holder, holder diameter.
    const std::vector<std::string> expected[] = {
        {"14(90)", "40()", "25(40)", "32(50)"},  // D16R1, -11.7 + 2
        {"2(50)", "10()", "30()", "16()"},       // D2B, -0.3 + 1
    };
    const std::size_t checked[] = {0, 9};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(
            std::vector<std::string>(rows[checked[i]].begin() + 8, rows[checked[i]].begin() + 12),
            expected[i])
            << rows[checked[i]][0];
    }

    // The table without its last record, that of diameter 2.
    std::string table = *cli.drives.Read(settings::ToolAssemblyFilePath());
    cli.drives.Write(settings::ToolAssemblyFilePath(), table.erase(table.rfind("\"2\",")));
    auto skipped = cli.Run({"collision", "10-ENGRAVE-PATTERN-D2B", "--material", "electrode"});
    EXPECT_EQ(skipped.status, 1);
    EXPECT_EQ(Rows(skipped.out).at(0).at(8), "13(50)");  // as it was
    EXPECT_NE(skipped.err.find("'10-ENGRAVE-PATTERN-D2B' 툴패스를 건너뛰었습니다: 공구 지름 2에"),
              std::string::npos)
        << skipped.err;

    EXPECT_EQ(cli.Run({"gouge", "01-ROUGH-D16R1"}).out, "");
    EXPECT_EQ(cli.Run({"gouge", "NO-SUCH-TOOLPATH"}).status, 1);
}

// The collision pass ends with a survey: the run after it still estimates
// each toolpath once, numbers the rows after the pass, and its last line
// counts exactly the calls the transcript holds.
TEST(CliOnSim, TheRunEstimatesEachToolpathOnceAndCountsItsCalls) {
    CheckCli cli;
    CliRun run = cli.Run(
        {"run", "--folder", (cli.folder.path() / "out").string(), "--prefix", "T", "--collision"});
    ASSERT_EQ(run.status, 0) << run.err;
    long calls = 0, estimates = 0;
    for (const std::string& line : FileLines(cli.transcript)) {
        if (line.starts_with("# ")) continue;
        ++calls;
        estimates += line.starts_with("RunCommandOutput TOOLPATHSTATS ESTIMATE");
    }
    EXPECT_EQ(estimates, 12);
    EXPECT_NE(run.out.find("\tT12\t"), std::string::npos) << run.out;
    std::string summary = ", 파일 18개, 호스트 호출 " + std::to_string(calls) + "회, 호스트 대기 ";
    EXPECT_NE(run.out.find(summary), std::string::npos) << run.out;
}

}  // namespace
}  // namespace orvalis::cli
