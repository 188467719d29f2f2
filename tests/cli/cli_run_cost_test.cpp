#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/run_summary.h"
#include "data_files/tool_assembly_file.h"
#include "platform/atomic_file.h"

namespace orvalis::cli {
namespace {

struct TranscriptCounts {
    int estimates = 0;  // lines that begin with the estimate command
    long calls = 0;     // every line but the action markers
};

TranscriptCounts Count(const std::string& transcript) {
    TranscriptCounts counts;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("# ")) continue;
        ++counts.calls;
        if (line.starts_with("RunCommandOutput TOOLPATHSTATS ESTIMATE")) ++counts.estimates;
    }
    return counts;
}

std::string LastLine(const std::string& out) {
    std::size_t end = out.find_last_not_of('\n');
    return out.substr(out.rfind('\n', end) + 1, end - out.rfind('\n', end));
}

// The run with and without the collision pass on the sample project: the
// pass's closing survey is the run's only survey, and the summary counts
// exactly the calls the transcript holds.
TEST(CliRunCost, TheCollisionRunEstimatesEachToolpathOnceAndCountsItsCalls) {
    struct Case {
        std::vector<std::string> options;
        const char* marker_present;
        const char* marker_absent;
    };
    const Case cases[] = {
        {{"--collision"}, "# collision\n", "# survey\n"},
        {{}, "# survey\n", "# collision\n"},
    };
    for (const Case& c : cases) {
        SimCli cli;
        std::string table =
            ReadFileBytes(ORVALIS_TEST_SIM_DIR "/sample-tool-assemblies.DAT").value_or("");
        cli.drives.Write(settings::ToolAssemblyFilePath(), table);
        std::vector<std::string> words = {"run", "--folder", (cli.folder.path() / "out").string(),
                                          "--prefix", "T"};
        words.insert(words.end(), c.options.begin(), c.options.end());
        CliRun run = cli.Run(words);
        ASSERT_EQ(run.status, 0) << run.err;
        std::string transcript = cli.Transcript();
        EXPECT_NE(transcript.find(c.marker_present), std::string::npos);
        EXPECT_EQ(transcript.find(c.marker_absent), std::string::npos);
        TranscriptCounts counts = Count(transcript);
        EXPECT_EQ(counts.estimates, 12);
        // The numbering comes after the pass's survey: the rows keep it.
        EXPECT_NE(run.out.find("\tT1\t"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("\tT12\t"), std::string::npos) << run.out;
        std::string summary = LastLine(run.out);
        std::string calls = "호스트 호출 " + std::to_string(counts.calls) + "회, 호스트 대기 ";
        EXPECT_NE(summary.find(", 파일 18개, " + calls), std::string::npos) << summary;
        EXPECT_NE(summary.find(" s, 자체 처리 "), std::string::npos) << summary;
    }
}

TEST(CliRunCost, TheHostCostReadsAsCallsWaitingAndOwnTime) {
    EXPECT_EQ(HostCostSummary(0, 0, 0), "호스트 호출 0회, 호스트 대기 0.00 s, 자체 처리 0.00 s");
    EXPECT_EQ(HostCostSummary(1234, 21.504, 0.186),
              "호스트 호출 1234회, 호스트 대기 21.50 s, 자체 처리 0.19 s");
}

}  // namespace
}  // namespace orvalis::cli
