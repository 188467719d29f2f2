#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_run.h"
#include "support/host_reports.h"
#include "support/temp_folder.h"

namespace orvalis::cli {
namespace {

using testing::ParamLine;

// orvalis-cli over a replay host answering for two toolpaths, with a transcript.
class SurveyCli {
  public:
    explicit SurveyCli(const std::string& extra_script = "") {
        testing::SurveyedToolpath rough, finish;
        rough.name = "1-ROUGH";
        rough.tool = "D12";
        rough.tool_lines = {"TYPE  :  ENDMILL", ParamLine("DIAMETER", "12"),
                            ParamLine("LENGTH", "80"), ParamLine("OVERHANG", "40")};
        rough.toolpath_lines = {"TYPE  :  RASTER", ParamLine("STEPOVER", "6"),
                                ParamLine("THICKNESS", "0.5")};
        finish = rough;
        finish.name = "2-FINISH";
        finish.lowest_point = "-20";
        std::ofstream(script_) << "version 8009\ntoolpath 1-ROUGH\ntoolpath 2-FINISH\n"
                               << testing::SurveyAnswers({rough, finish}) << extra_script;
    }

    CliRun Run(std::vector<std::string> words) {
        words.insert(words.begin(), {"--host", "replay:" + script_.string(), "--transcript",
                                     transcript_.string(), "survey"});
        return RunCli(words);
    }

    std::vector<std::string> Transcript() const {
        std::ifstream in(transcript_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

  private:
    testing::TempDrives drives_;
    testing::TempFolder folder_;
    testing::ScopedEnv data_{"ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR};
    std::filesystem::path script_ = folder_.path() / "project.replay";
    std::filesystem::path transcript_ = folder_.path() / "transcript";
};

TEST(CliSurvey, PrintsTheSurveyedRowsWithTheTypedNcNames) {
    SurveyCli cli;
    auto run = cli.Run({"--prefix", "OP", "--start", "5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "1-ROUGH\tOP5\tØ12F\t0.5\t\t6\t-12.35\t0:12:30\t40(80)\t()\t()\t()\t라스트\n"
              "2-FINISH\tOP6\tØ12F\t0.5\t\t6\t-20.0\t0:12:30\t40(80)\t()\t()\t()\t라스트\n");
    auto transcript = cli.Transcript();
    ASSERT_FALSE(transcript.empty());
    EXPECT_EQ(transcript.front(), "# load");
    auto survey = std::find(transcript.begin(), transcript.end(), "# survey");
    ASSERT_NE(survey, transcript.end());
    EXPECT_EQ(*(survey + 1), "Connect");
    EXPECT_EQ(transcript.back(), "RunCommand edit preference seldrawtp yes");
}

TEST(CliSurvey, NamesChooseTheToolpathsAndTheNamesStayWithoutAPrefix) {
    SurveyCli cli;
    auto run = cli.Run({"2-FINISH"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("2-FINISH\t2-FINISH\t", 0), 0u) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

TEST(CliSurvey, AFailedSurveyPrintsTheRowsItWroteAndExitsWithOne) {
    SurveyCli cli("fail SIZE TOOLPATH  '2-FINISH'\n");
    auto run = cli.Run({"--prefix", "OP"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("1-ROUGH\t1-ROUGH\t", 0), 0u) << run.out;  // no renumbering
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    EXPECT_NE(run.err.find("'2-FINISH'"), std::string::npos) << run.err;
    EXPECT_EQ(cli.Transcript().back(), "RunCommand edit preference seldrawtp yes");

    SurveyCli bad_start;
    auto numbered = bad_start.Run({"--start", "five"});
    EXPECT_EQ(numbered.status, 1);
    EXPECT_NE(numbered.err.find("숫자가 아닙니다"), std::string::npos) << numbered.err;

    EXPECT_EQ(bad_start.Run({"--start"}).status, 2);
}

}  // namespace
}  // namespace orvalis::cli

namespace orvalis::cli {
namespace {

// The sample project surveyed as a user would: every toolpath's row, the
// strategy named in Korean, the tool described from its report.
TEST(CliSurveyOnSim, TheSampleProjectsRowsNameEveryStrategy) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    testing::ScopedEnv sim("ORVALIS_SIM_DIR", ORVALIS_TEST_SIM_DIR);
    std::ostringstream out, err;
    ASSERT_EQ(Main({"--host", "sim", "survey", "--prefix", "OP"}, out, err), 0) << err.str();
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        rows.push_back(cells);
    }
    ASSERT_EQ(rows.size(), 12u);
    std::set<std::string> strategies;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_GE(rows[i].size(), 13u) << i;
        EXPECT_EQ(rows[i][1], "OP" + std::to_string(i + 1));
        EXPECT_EQ(rows[i][2].rfind("Ø", 0), 0u) << rows[i][2];
        EXPECT_EQ(rows[i][11], "()");  // no collision check yet
        strategies.insert(rows[i][12]);
    }
    EXPECT_EQ(strategies,
              (std::set<std::string>{"3D옵셋", "등고선", "옵티마Z", "프로파일", "황삭옵셋", "펜슬",
                                     "라스트", "패턴", "방사선", "스파이널", "로타리"}));
}

}  // namespace
}  // namespace orvalis::cli
