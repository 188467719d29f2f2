#include "cli/cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_run.h"
#include "data_files/settings_files.h"
#include "platform/cp949.h"
#include "sheet/test_bitmaps.h"
#include "support/temp_folder.h"
#include "support/workbook_check.h"
#include "xlsx/workbook.h"

namespace orvalis::cli {
namespace {

TEST(Cli, SettingsFillsAnEmptyDataFolderFromTheShippedFilesFirst) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    auto run = RunCli({"settings"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "extension\tnc\n"
              "picture-sizes\t300\t200\t300\t200\t300\t200\t300\t200\n");
    EXPECT_TRUE(drives.Read(settings::SettingFilePath()));
}

TEST(Cli, SettingsPrintsWhatTheUserStored) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    drives.Write(settings::CompanyFilePath(),
                 Utf8ToCp949("[그룸]\r\n업체명1=한국정밀\r\n업체명2=ACME\r\n"));
    drives.Write(settings::SettingFilePath(), "[DATA\xC8\xAE\xC0\xE5\xC0\xDA]\r\nTYPE=tap\r\n");
    drives.Write(
        "C:\\TARVEL\\ORVALIS\\DAT FILE\\공구DATA.DAT",
        "\"10\",\"75\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\"\r\n");
    auto run = RunCli({"--host", "replay:/nonexistent", "settings"});  // never touches the host
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "extension\ttap\n"
              "company\t한국정밀\n"
              "company\tACME\n"
              "picture-sizes\t300\t200\t300\t200\t300\t200\t300\t200\n"
              "tool-assembly\t10\t75\t\t\t\t\t\t\t\t\t\t\t\t\t\t1\n");
}

TEST(Cli, ExitStatusTellsUsageErrorsFromFailures) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* err_holds;
    };
    const Case cases[] = {
        {{}, 2, "명령이 없습니다 (--help 참고)"},
        {{"frobnicate"}, 2, "알 수 없는 명령입니다: 'frobnicate'"},
        {{"--bogus", "settings"}, 2, "알 수 없는 옵션입니다: --bogus"},
        {{"--host"}, 2, "--host 옵션에 값이 없습니다"},
        {{"settings", "extra"}, 2, "settings에는 인수를 줄 수 없습니다"},
        {{"collision", "--material", "wood"}, 2, "--material에는 steel이나 electrode만"},
        {{"post"}, 2, "--folder DIR이 필요합니다"},
        {{"toolpaths", "extra"}, 2, "toolpaths에는 인수를 줄 수 없습니다"},
    };
    for (const auto& c : cases) {
        auto run = RunCli(c.words);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.err_holds), std::string::npos) << run.err;
    }
    auto help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: orvalis-cli"), std::string::npos);
    auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("orvalis-cli ", 0), 0u);
}

TEST(Cli, ASettingsFileThatCannotBeCreatedIsReportedAsAFailure) {
    testing::TempDrives drives;
    testing::TempFolder empty;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", (empty.path() / "missing").string());
    auto run = RunCli({"settings"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("파일 오류"), std::string::npos) << run.err;
}

TEST(Cli, ToolpathsPrintsTheProjectListAfterTheLoad) {
    ReplayCli cli("version 8009\ntoolpath 1-ROUGH\ntoolpath 2-FINISH\n");
    auto run = cli.Run({"toolpaths"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1-ROUGH\n2-FINISH\n");
    auto transcript = cli.TranscriptLines();
    ASSERT_GE(transcript.size(), 2u);
    EXPECT_EQ(transcript[0], "# load");
    EXPECT_EQ(transcript[1], "Connect");

    cli.WriteScript("fail Connect\n");
    auto unreachable = cli.Run({"toolpaths"});
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_EQ(unreachable.out, "");
    EXPECT_NE(unreachable.err.find("파워밀에 연결되지 않았습니다"), std::string::npos);
}

}  // namespace
}  // namespace orvalis::cli

namespace orvalis::cli {
namespace {

TEST(Cli, SheetFromAGridFileAndPicturesLandInTheFolder) {
    ReplayCli cli("version 8009\n");
    for (const char* view : {"Top", "Front", "Right", "ISO"}) {
        cli.drives.Write(std::string("C:\\TARVEL\\ORVALIS\\IMAGE\\") + view + ".bmp",
                         testing::LineDrawingBmp(32, 24));
    }
    auto grid = cli.folder.path() / "grid.tsv";
    std::ofstream(grid)
        << "1-ROUGH\tT1\tØ10F\t0.3\t1\t5\t-12.0\t00:10:00\t36(100)\t()\t()\t()\t황삭옵셋\n";
    auto out_folder = cli.folder.path() / "out";
    std::filesystem::create_directory(out_folder);
    auto sheet = cli.Run({"sheet", "--folder", out_folder.string(), "--grid", grid.string(),
                          "--company", "ACME", "--offset", "G55", "--item", "코어"});
    EXPECT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_EQ(sheet.out, (out_folder / "T1.xlsx").string() + "\n");
    auto again = cli.Run({"sheet", "--folder", out_folder.string(), "--grid", grid.string()});
    EXPECT_EQ(again.status, 1);  // it exists and --force was not given
    EXPECT_NE(again.err.find("(no)"), std::string::npos) << again.err;
    auto forced =
        cli.Run({"sheet", "--folder", out_folder.string(), "--grid", grid.string(), "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    // --start numbers the grid file's rows as it numbers a survey's.
    auto numbered = cli.Run({"sheet", "--folder", out_folder.string(), "--grid", grid.string(),
                             "--prefix", "OP", "--start", "7"});
    EXPECT_EQ(numbered.status, 0) << numbered.err;
    EXPECT_EQ(xlsx::Workbook::Open(out_folder / "OP.xlsx").Sheet(1).Text("A12"), "OP7");
    auto bad_start = cli.Run({"sheet", "--folder", out_folder.string(), "--grid", grid.string(),
                              "--prefix", "NO", "--start", "seven"});
    EXPECT_EQ(bad_start.status, 1);
    EXPECT_FALSE(std::filesystem::exists(out_folder / "NO.xlsx"));
    auto pictures = cli.Run({"pictures", "--folder", out_folder.string()});
    EXPECT_EQ(pictures.status, 0) << pictures.err;
    EXPECT_TRUE(testing::IsSoundWorkbookFile(out_folder / "IMAGE.xlsx"));
    EXPECT_TRUE(testing::IsSoundWorkbookFile(out_folder / "T1.xlsx"));
    auto bad_offset =
        cli.Run({"sheet", "--folder", "x", "--grid", grid.string(), "--offset", "G60"});
    EXPECT_EQ(bad_offset.status, 2);
}

}  // namespace
}  // namespace orvalis::cli
