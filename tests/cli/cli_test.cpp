#include "cli/cli.h"

#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli_run.h"
#include "cli/tab_text.h"
#include "data_files/settings_files.h"
#include "platform/cp949.h"
#include "sheet/test_bitmaps.h"
#include "support/host_reports.h"
#include "xlsx/workbook.h"

namespace orvalis::cli {
namespace {

namespace fs = std::filesystem;

TEST(Cli, ExitStatusTellsUsageErrorsFromFailures) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    const struct {
        std::vector<std::string> words;
        int status;
        const char* err_holds;
    } cases[] = {
        {{}, 2, "명령이 없습니다 (--help 참고)"},
        {{"frobnicate"}, 2, "알 수 없는 명령입니다: 'frobnicate'"},
        {{"--bogus", "settings"}, 2, "알 수 없는 옵션입니다: --bogus"},
        {{"collision", "--material", "wood"}, 2, "--material에는 steel이나 electrode만"},
        {{"post"}, 2, "--folder DIR이 필요합니다"},
        {{"--host", "replay:/nonexistent", "toolpaths"}, 1, "재생 스크립트를 읽을 수 없습니다"},
    };
    for (const auto& c : cases) {
        auto run = RunCli(c.words);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.err_holds), std::string::npos) << run.err;
    }
    auto help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: orvalis-cli"), std::string::npos);
}

TEST(Cli, SettingsPrintsWhatTheUserStoredWithoutAskingTheHost) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    drives.Write(settings::CompanyFilePath(),
                 Utf8ToCp949("[그룸]\r\n업체명1=한국정밀\r\n업체명2=A\\B\tC\r\n"));
    drives.Write(settings::SettingFilePath(), "[DATA\xC8\xAE\xC0\xE5\xC0\xDA]\r\nTYPE=tap\r\n");
    drives.Write(
        "C:\\TARVEL\\ORVALIS\\DAT FILE\\공구DATA.DAT",
        "\"10\",\"75\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\"\r\n");
    auto run = RunCli({"--host", "replay:/nonexistent", "settings"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "extension\ttap\n"
              "company\t한국정밀\n"
              "company\tA\\\\B\\tC\n"  // a TAB or backslash keeps the line and the column
              "picture-sizes\t300\t200\t300\t200\t300\t200\t300\t200\n"
              "tool-assembly\t10\t75\t\t\t\t\t\t\t\t\t\t\t\t\t\t1\n");
}

TEST(Cli, TabSeparatedFieldsAreEscapedAndReadBack) {
    const std::string tricky = "A\tB\rC\nD\\E";
    EXPECT_EQ(TabField(tricky), "A\\tB\\rC\\nD\\\\E");
    EXPECT_EQ(SplitTabLine(TabField(tricky) + "\t" + TabField("") + "\tC:\\JOBS"),
              (std::vector<std::string>{tricky, "", "C:\\JOBS"}));
}

TEST(Cli, ToolpathsPrintsTheProjectListAfterTheLoad) {
    ReplayCli cli("version 8009\ntoolpath 1-ROUGH\ntoolpath 2-FINISH\n");
    auto run = cli.Run({"toolpaths"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1-ROUGH\n2-FINISH\n");
}

// orvalis-cli's survey over a replay host answering for two raster toolpaths.
struct SurveyCli : ReplayCli {
    explicit SurveyCli(const std::string& extra_script = "")
        : ReplayCli("version 8009\ntoolpath 1-ROUGH\ntoolpath 2-FINISH\n" +
                    testing::SurveyAnswers({Rough("1-ROUGH"), Rough("2-FINISH", "-20")}) +
                    extra_script) {
        for (const char* view : {"Top", "Front", "Right", "ISO"}) {
            drives.Write(std::string("C:\\TARVEL\\ORVALIS\\IMAGE\\") + view + ".bmp",
                         testing::LineDrawingBmp(32, 24));
        }
    }
    static testing::SurveyedToolpath Rough(const std::string& name,
                                           const std::string& lowest_point = "-12.3456") {
        auto t = testing::RasterToolpath(name, "D12", "ENDMILL", "12", "80", "40");
        t.lowest_point = lowest_point;
        return t;
    }
};

// A survey that stops is ASheetFromAStoppedSurveyIsWrittenOnlyWithForce's.
TEST(Cli, SurveyPrintsTheRowsWithTheTypedNcNames) {
    SurveyCli cli;
    auto run = cli.Run({"survey", "--prefix", "OP", "--start", "5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "1-ROUGH\tOP5\tØ12F\t0.5\t\t6\t-12.35\t0:12:30\t40(80)\t()\t()\t()\t라스트\n"
              "2-FINISH\tOP6\tØ12F\t0.5\t\t6\t-20.0\t0:12:30\t40(80)\t()\t()\t()\t라스트\n");
}

// A survey that stopped at a toolpath leaves rows without tool data: the
// sheet is written from them only when --force says so.
TEST(Cli, ASheetFromAStoppedSurveyIsWrittenOnlyWithForce) {
    SurveyCli cli("fail SIZE TOOLPATH  '2-FINISH'\n");
    std::string folder = cli.folder.path().string();
    auto refused = cli.Run({"sheet", "--folder", folder, "--prefix", "T"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("'2-FINISH'"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(cli.folder.path() / "T.xlsx"));

    auto forced = cli.Run({"sheet", "--folder", folder, "--prefix", "T", "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_TRUE(fs::exists(cli.folder.path() / "T.xlsx"));
}

// Grid rows as `survey` prints them: host name, NC name, then the survey's cells.
std::string Row(const std::string& host, const std::string& nc, const std::string& tool,
                const std::string& time = "00:10:00") {
    return host + "\t" + nc + "\t" + tool + "\t0.3\t1\t5\t-12.0\t" + time +
           "\t36(100)\t()\t()\t()\t등고선\n";
}

// `sheet --grid` writes the file named by the prefix, says where, and
// replaces it only with --force, printing what changed; `compare` says the
// same of two sheets and names the file it cannot read.
TEST(Cli, SheetFromAGridFileAndCompareSayWhatChanged) {
    SurveyCli cli;
    fs::path out = cli.folder.path() / "out";
    fs::create_directory(out);
    fs::path grid = cli.folder.path() / "grid.tsv";
    fs::path sheet = out / "T.xlsx";
    auto write_sheet = [&](const std::string& rows, std::vector<std::string> more) {
        std::ofstream(grid, std::ios::binary | std::ios::trunc) << rows;
        std::vector<std::string> words = {"sheet",       "--folder", out.string(), "--grid",
                                          grid.string(), "--prefix", "T"};
        words.insert(words.end(), more.begin(), more.end());
        return cli.Run(words);
    };
    // Code page 949, as Korean Windows saves a grid file, is read as meant.
    std::string before =
        Row("1-ROUGH", "T1", "Ø10F") + Row("2-WALL", "T2", "Ø8F") + Row("3-FLOOR", "T3", "Ø12F");
    auto first = write_sheet(Utf8ToCp949(before), {"--company", "대한금형"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, sheet.string() + "\n");
    EXPECT_EQ(xlsx::Workbook::Open(sheet).Sheet(1).Text("C2"), "대한금형");
    // 대한 in code page 949: an argument enters as UTF-8 or not at all.
    auto not_utf8 = write_sheet(before, {"--force", "--company", "\xB4\xEB\xC7\xD1"});
    EXPECT_EQ(not_utf8.status, 2);
    EXPECT_NE(not_utf8.err.find("UTF-8 글자가 아니어서 받지 않습니다"), std::string::npos);
    fs::path old_sheet = cli.folder.path() / "before.xlsx";
    fs::copy_file(sheet, old_sheet);

    // 2-WALL gets another tool, 3-FLOOR goes, 4-PENCIL comes, T3 is now 2-WALL.
    std::string after =
        Row("1-ROUGH", "T1", "Ø10F") + Row("4-PENCIL", "T2", "Ø4B") + Row("2-WALL", "T3", "Ø6F");
    auto again = write_sheet(after, {});
    EXPECT_EQ(again.status, 1);  // it exists and --force was not given
    EXPECT_NE(again.err.find("(no)"), std::string::npos) << again.err;
    const std::string changes =
        "변경: 바뀜 1개, 새 툴패스 1개, 삭제 1개\n"
        "바뀜 2-WALL (T3): NC 이름 T2 → T3, 공구 Ø8F → Ø6F\n"
        "새 툴패스 4-PENCIL (T2)\n"
        "삭제 3-FLOOR (이전 T3)\n";
    EXPECT_EQ(write_sheet(after, {"--force"}).out, sheet.string() + "\n" + changes);

    auto compared = cli.Run({"compare", old_sheet.string(), sheet.string()});
    EXPECT_EQ(compared.status, 0) << compared.err;
    EXPECT_EQ(compared.out, changes);
    ASSERT_EQ(cli.Run({"pictures", "--folder", out.string()}).status, 0);
    fs::path pictures = out / "IMAGE.xlsx";
    auto refused = cli.Run({"compare", pictures.string(), sheet.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "orvalis-cli: 비교할 수 없습니다: " + pictures.string() +
                               ": 작업 지시서가 아닙니다 (계속 쪽이 없는 1장짜리 통합 문서)\n");
}

}  // namespace
}  // namespace orvalis::cli
