#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_run.h"
#include "data_files/tool_assembly_file.h"
#include "platform/atomic_file.h"
#include "support/temp_folder.h"

namespace orvalis::cli {
namespace {

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

// orvalis-cli on the simulated host's sample project, with the sample
// tool-assembly table in the data folder.
struct CheckCli : SimCli {
    CheckCli() {
        std::string table =
            ReadFileBytes(ORVALIS_TEST_SIM_DIR "/sample-tool-assemblies.DAT").value_or("");
        drives.Write(settings::ToolAssemblyFilePath(), table);
    }
};

constexpr std::size_t kToolLength = 8, kShank = 9, kHolder = 10, kHolderDiameter = 11;

TEST(CliCollision, TheSampleProjectGetsAdjustedToolLengthsAndEachRowItsOwnAssembly) {
    CheckCli cli;
    auto before = Rows(cli.Run({"survey"}).out);
    auto run = cli.Run({"collision"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto after = Rows(run.out);
    ASSERT_EQ(after.size(), 12u);
    ASSERT_EQ(before.size(), 12u);
    struct Expected {
        std::size_t row;
        const char* tool_length_before;
        const char* tool_length_after;  // depth below the block top + holder clearance
        const char *shank, *holder, *holder_diameter;
    };
    const Expected expected[] = {
        {0, "55(90)", "14(90)", "40()", "25(40)", "32(50)"},  // D16R1, -11.7 + 2
        {1, "36(72)", "14(72)", "37()", "30()", "24()"},      // D10, -11.9 + 2
        {2, "42(100)", "14(100)", "37()", "30()", "24()"},    // D10R0.5: the row of 10
        {5, "29(58)", "27(58)", "20(15)", "30()", "16()"},    // D6B, last checked at -25
        {9, "13(50)", "2(50)", "10()", "30()", "16()"},       // D2B, -0.3 + 1
        {11, "40(75)", "27(75)", "35()", "30()", "25()"},     // D12, -25 + 2
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(after[e.row][0]);
        EXPECT_EQ(before[e.row][kToolLength], e.tool_length_before);
        EXPECT_EQ(before[e.row][kShank], "()");
        EXPECT_EQ(after[e.row][kToolLength], e.tool_length_after);
        EXPECT_EQ(after[e.row][kShank], e.shank);
        EXPECT_EQ(after[e.row][kHolder], e.holder);
        EXPECT_EQ(after[e.row][kHolderDiameter], e.holder_diameter);
    }
    std::string transcript = cli.Transcript();
    EXPECT_NE(transcript.find("# collision\nRunCommand DIALOGS MESSAGE OFF\n"), std::string::npos);
    EXPECT_NE(transcript.find("RunCommand DELETE TOOL 'D16R1_1'\n"), std::string::npos);

    auto settings = Rows(cli.Run({"settings"}).out);
    EXPECT_EQ(settings.back(),
              (std::vector<std::string>{"tool-assembly", "2", "50", "1.9", "6", "10", "", "", "",
                                        "16", "24", "30", "", "", "", "0.2", "1"}));
}

TEST(CliCollision, AToolOutsideTheTableIsSkippedToldAndLeftAsItWas) {
    CheckCli cli;
    // The table without its last record, that of diameter 2.
    std::string table = *cli.drives.Read(settings::ToolAssemblyFilePath());
    table.erase(table.rfind("\"2\","));
    cli.drives.Write(settings::ToolAssemblyFilePath(), table);
    auto run = cli.Run(
        {"collision", "10-ENGRAVE-PATTERN-D2B", "07-PENCIL-D4B", "--material", "electrode"});
    EXPECT_EQ(run.status, 1);
    auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][kToolLength], "13(50)");
    EXPECT_EQ(rows[0][kShank], "()");
    EXPECT_EQ(rows[1][kToolLength], "14(50)");
    EXPECT_EQ(rows[1][kShank], "12(18)");
    EXPECT_NE(run.err.find("'10-ENGRAVE-PATTERN-D2B' 툴패스를 건너뛰었습니다: 공구 지름 2에"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(cli.Transcript().find("EDIT TOOL 'D2B' CLONE"), std::string::npos);
}

TEST(CliCollision, GougeDrawsTheCollisionDisplayAndPrintsNothing) {
    CheckCli cli;
    auto run = cli.Run({"gouge", "01-ROUGH-D16R1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    std::string transcript = cli.Transcript();
    auto marker = transcript.find("# gouge\n");
    ASSERT_NE(marker, std::string::npos);
    EXPECT_EQ(transcript.substr(marker),
              "# gouge\n"
              "RunCommand DIALOGS MESSAGE OFF\n"
              "RunCommand ACTIVATE Toolpath '01-ROUGH-D16R1'\n"
              "RunCommand EDIT COLLISION STOCKMODEL_CHECK N\n"
              "RunCommand EDIT COLLISION SCOPE ALL\n"
              "RunCommand DRAW COLLISION\n"
              "RunCommand EDIT COLLISION APPLY\n"
              "RunCommand DIALOGS ERROR ON\n"
              "RunCommand DIALOGS MESSAGE ON\n");
    EXPECT_EQ(cli.Run({"gouge", "NO-SUCH-TOOLPATH"}).status, 1);
}

}  // namespace
}  // namespace orvalis::cli
