#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_run.h"
#include "sheet/test_bitmaps.h"
#include "support/host_reports.h"
#include "support/temp_folder.h"

namespace orvalis::cli {
namespace {

// orvalis-cli's survey over a replay host answering for two raster toolpaths.
struct SurveyCli : ReplayCli {
    explicit SurveyCli(const std::string& extra_script = "")
        : ReplayCli("version 8009\ntoolpath 1-ROUGH\ntoolpath 2-FINISH\n" +
                    testing::SurveyAnswers({Rough("1-ROUGH"), Rough("2-FINISH", "-20")}) +
                    extra_script) {}

    static testing::SurveyedToolpath Rough(const std::string& name,
                                           const std::string& lowest_point = "-12.3456") {
        auto t = testing::RasterToolpath(name, "D12", "ENDMILL", "12", "80", "40");
        t.lowest_point = lowest_point;
        return t;
    }

    CliRun Run(std::vector<std::string> words, const std::string& command = "survey") const {
        words.insert(words.begin(), command);
        return ReplayCli::Run(words);
    }
    // The four view pictures a capture would have kept.
    void KeepViews() const {
        for (const char* view : {"Top", "Front", "Right", "ISO"}) {
            drives.Write(std::string("C:\\TARVEL\\ORVALIS\\IMAGE\\") + view + ".bmp",
                         testing::LineDrawingBmp(64, 48));
        }
    }
};

TEST(CliSurvey, PrintsTheSurveyedRowsWithTheTypedNcNames) {
    SurveyCli cli;
    auto run = cli.Run({"--prefix", "OP", "--start", "5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "1-ROUGH\tOP5\tØ12F\t0.5\t\t6\t-12.35\t0:12:30\t40(80)\t()\t()\t()\t라스트\n"
              "2-FINISH\tOP6\tØ12F\t0.5\t\t6\t-20.0\t0:12:30\t40(80)\t()\t()\t()\t라스트\n");
    auto transcript = cli.TranscriptLines();
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
    EXPECT_EQ(cli.TranscriptLines().back(), "RunCommand edit preference seldrawtp yes");

    SurveyCli bad_start;
    auto numbered = bad_start.Run({"--start", "five"});
    EXPECT_EQ(numbered.status, 1);
    EXPECT_NE(numbered.err.find("숫자가 아닙니다"), std::string::npos) << numbered.err;

    EXPECT_EQ(bad_start.Run({"--start"}).status, 2);
}

// A survey that stopped at a toolpath leaves rows without tool data: the
// sheet is written from them only when --force says so.
TEST(CliSurvey, ASheetFromAStoppedSurveyIsWrittenOnlyWithForce) {
    SurveyCli cli("fail SIZE TOOLPATH  '2-FINISH'\n");
    cli.KeepViews();
    std::string folder = cli.folder.path().string();
    auto refused = cli.Run({"--folder", folder, "--prefix", "T"}, "sheet");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("'2-FINISH'"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(cli.folder.path() / "T.xlsx"));

    auto forced = cli.Run({"--folder", folder, "--prefix", "T", "--force"}, "sheet");
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_NE(forced.err.find("공구 정보를 불러오지 못했습니다: 2-FINISH"), std::string::npos)
        << forced.err;
    EXPECT_NE(forced.err.find("(yes)"), std::string::npos) << forced.err;
    EXPECT_TRUE(std::filesystem::exists(cli.folder.path() / "T.xlsx"));
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
