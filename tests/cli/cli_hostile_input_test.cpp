// orvalis-cli against input a hostile or careless user gives it: every
// output is right or not written, and the exit status says which.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_run.h"
#include "cli/tab_text.h"
#include "platform/atomic_file.h"
#include "platform/cp949.h"
#include "sheet/test_bitmaps.h"
#include "support/temp_folder.h"
#include "support/workbook_check.h"
#include "xlsx/workbook.h"

namespace orvalis::cli {
namespace {

namespace fs = std::filesystem;

const char* const kRow =
    "1-ROUGH\tT1\tØ10F\t0.3\t1\t5\t-12.0\t00:10:00\t36(100)\t()\t()\t()\t황삭옵셋\n";

// A replay host with four view bitmaps in the data folder and an output
// folder, for `sheet --grid`.
struct GridCli {
    GridCli() {
        for (const char* view : {"Top", "Front", "Right", "ISO"}) {
            drives.Write(std::string("C:\\TARVEL\\ORVALIS\\IMAGE\\") + view + ".bmp",
                         testing::LineDrawingBmp(32, 24));
        }
        std::ofstream(script) << "version 8009\n";
        fs::create_directory(out);
    }
    CliRun Sheet(const std::string& grid_bytes, std::vector<std::string> more = {}) {
        std::ofstream(grid, std::ios::binary) << grid_bytes;
        std::vector<std::string> words = {
            "--host",     "replay:" + script.string(), "sheet", "--folder", out.string(), "--grid",
            grid.string()};
        words.insert(words.end(), more.begin(), more.end());
        return RunCli(words);
    }
    std::string Cell(const std::string& cell) {
        return xlsx::Workbook::Open(out / "T1.xlsx").Sheet(1).Text(cell);
    }

    testing::TempDrives drives;
    testing::TempFolder folder;
    testing::ScopedEnv data{"ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR};
    fs::path script = folder.path() / "p.replay";
    fs::path grid = folder.path() / "grid.tsv";
    fs::path out = folder.path() / "out";
};

// Text enters as UTF-8: a grid file saved by Korean Windows (code page 949)
// or holding bytes of no code page gives a sound sheet with the text it
// meant; an argument that is not UTF-8 is refused before anything is done.
TEST(CliHostileInput, GridFilesAreDecodedAndArgumentsMustBeUtf8) {
    struct Case {
        const char* what;
        std::string grid;
        std::string company;  // as typed
        std::string cutting_type;
    };
    const Case cases[] = {
        {"UTF-8", kRow, "대한금형", "황삭옵셋"},
        {"code page 949", Utf8ToCp949(kRow), "대한금형", "황삭옵셋"},
        {"bytes of no code page",
         std::string("1-ROUGH\tT1\tD10\t0.3\t1\t5\t-12\t0:10:00\t36\t()\t()\t()\t\xFF\xFE\n"),
         "ACME", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GridCli cli;
        auto run = cli.Sheet(c.grid, {"--company", c.company});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(testing::IsSoundWorkbookFile(cli.out / "T1.xlsx"));
        EXPECT_EQ(cli.Cell("R12"), c.cutting_type);
        EXPECT_EQ(cli.Cell("C2"), c.company);
    }
    for (const char* option : {"--company", "--item", "--part", "--prefix"}) {
        SCOPED_TRACE(option);
        GridCli cli;
        auto run = cli.Sheet(kRow, {option, "\xB4\xEB\xC7\xD1"});  // 대한 in code page 949
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("UTF-8 글자가 아니어서 받지 않습니다"), std::string::npos)
            << run.err;
        EXPECT_TRUE(fs::is_empty(cli.out));
    }
}

// A TAB, CR, LF or backslash inside a value keeps its line and its column
// in the output, and --grid reads back what survey printed.
TEST(CliHostileInput, TabSeparatedValuesAreEscapedAndReadBack) {
    const std::string tricky = "A\tB\rC\nD\\E";
    EXPECT_EQ(TabField(tricky), "A\\tB\\rC\\nD\\\\E");
    EXPECT_EQ(SplitTabLine(TabField(tricky) + "\t" + TabField("") + "\tC:\\JOBS"),
              (std::vector<std::string>{tricky, "", "C:\\JOBS"}));

    GridCli cli;
    std::string row = "1-ROUGH\tT1\tD10\t0.3\t1\t5\t-12\t0:10:00\t36\t()\t()\t()\t" +
                      TabField("황삭\t옵셋\\2") + "\n";
    auto run = cli.Sheet(row);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(cli.Cell("R12"), "황삭\t옵셋\\2");

    // The settings listing keeps a company name with a TAB on one line.
    cli.drives.Write("C:\\TARVEL\\ORVALIS\\DAT FILE\\Sample.Ini",
                     Utf8ToCp949("[그룸]\r\n업체명1=A\\B\tC\r\n"));
    auto settings = RunCli({"settings"});
    ASSERT_EQ(settings.status, 0) << settings.err;
    EXPECT_NE(settings.out.find("company\tA\\\\B\\tC\n"), std::string::npos) << settings.out;
}

// What stands where a file should be is refused at once, never waited on or
// read into memory.
TEST(CliHostileInput, FoldersFifosDevicesAndHugeFilesAreRefusedAtOnce) {
    GridCli cli;
    fs::path fifo = cli.folder.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::path huge = cli.folder.path() / "huge.tsv";
    { std::ofstream(huge) << "x"; }
    fs::resize_file(huge, kMaxReadBytes + 1);
    struct Case {
        const char* what;
        std::string path;
    };
    const Case cases[] = {{"a folder", cli.folder.path().string()},
                          {"a FIFO", fifo.string()},
                          {"a device", "/dev/zero"},
                          {"a file past 16 MB", huge.string()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto grid = RunCli({"--host", "replay:" + cli.script.string(), "sheet", "--folder",
                            cli.out.string(), "--grid", c.path});
        EXPECT_NE(grid.status, 0);
        EXPECT_NE(grid.err.find(c.path), std::string::npos) << grid.err;
        auto replay = RunCli({"--host", "replay:" + c.path, "toolpaths"});
        EXPECT_EQ(replay.status, 1);
        EXPECT_NE(replay.err.find("파일 오류"), std::string::npos) << replay.err;
    }
    EXPECT_TRUE(fs::is_empty(cli.out));

    // A tool table replaced by a link to /dev/zero is not read: the tool
    // settings window says it could not read it, and the rest still lists.
    fs::path table = cli.drives.File("C:\\TARVEL\\ORVALIS\\DAT FILE\\공구DATA.DAT");
    RunCli({"settings"});  // fills the data folder
    fs::remove(table);
    fs::create_symlink("/dev/zero", table);
    auto settings = RunCli({"settings"});
    EXPECT_EQ(settings.status, 0) << settings.err;
    EXPECT_NE(settings.err.find("공구 설정 파일을 읽지 못했습니다"), std::string::npos)
        << settings.err;
    EXPECT_NE(settings.out.find("picture-sizes"), std::string::npos) << settings.out;
}

TEST(CliHostileInput, ExitStatusTellsTheTruth) {
    GridCli cli;
    std::ofstream(cli.script) << "fail ToolpathNames\n";
    auto survey = RunCli({"--host", "replay:" + cli.script.string(), "survey"});
    EXPECT_EQ(survey.status, 1);
    EXPECT_EQ(survey.out, "");

    // A run into a folder that is a file is a failure, said in Korean.
    fs::path file = cli.folder.path() / "a-file";
    std::ofstream(file) << "x";
    auto run = RunCli({"--host", "sim", "run", "--folder", file.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("폴더를 만들 수 없습니다"), std::string::npos) << run.err;

    // Output that cannot be written fails the command.
    std::ofstream(cli.script) << "toolpath 1-ROUGH\n";
    std::ofstream full("/dev/full");
    std::ostringstream err;
    EXPECT_EQ(Main({"--host", "replay:" + cli.script.string(), "toolpaths"}, full, err), 1);
    EXPECT_NE(err.str().find("표준 출력에 쓰지 못했습니다"), std::string::npos) << err.str();
}

// A project with more toolpaths than the sheet has rows: the first 60 are
// surveyed, written and posted, the rest named, and the run succeeds.
TEST(CliHostileInput, SixtyOneToolpathsDoTheFirstSixtyAndNameTheRest) {
    SimCli cli;
    std::ifstream in(ORVALIS_TEST_SIM_DIR "/sample-project.json");
    nlohmann::json project = nlohmann::json::parse(in);
    nlohmann::json first = project["toolpaths"][0];
    project["toolpaths"] = nlohmann::json::array();
    for (int i = 1; i <= 61; ++i) {
        first["name"] = "P" + std::to_string(i);
        project["toolpaths"].push_back(first);
    }
    fs::path file = cli.folder.path() / "sixty-one.json";
    std::ofstream(file) << project.dump();
    std::string host = "sim:" + file.string();

    fs::path out = cli.folder.path() / "out";
    fs::create_directory(out);
    auto post = cli.Run({"post", "--folder", out.string(), "--prefix", "N"}, host);
    EXPECT_EQ(post.status, 0) << post.err;
    EXPECT_TRUE(fs::exists(out / "N60.nc"));
    EXPECT_FALSE(fs::exists(out / "N61.nc"));
    EXPECT_NE(post.err.find("(P61)"), std::string::npos) << post.err;

    ASSERT_EQ(cli.Run({"capture"}, host).status, 0);  // the views the sheet shows
    auto sheet = cli.Run({"sheet", "--folder", out.string(), "--prefix", "N"}, host);
    EXPECT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_TRUE(testing::IsSoundWorkbookFile(out / "N.xlsx"));
    EXPECT_EQ(xlsx::Workbook::Open(out / "N.xlsx").Sheet(2).Text("A46"), "N60");
}

// A data folder that cannot take the shipped files still serves: the
// settings read as empty, the command goes on, and the user is warned once.
TEST(CliHostileInput, ADataFolderThatCannotBeWrittenStillServes) {
    testing::TempDrives drives;
    testing::ScopedEnv data("ORVALIS_DATA_DIR", ORVALIS_TEST_DATA_DIR);
    drives.Write("C:\\TARVEL\\ORVALIS\\DAT FILE", "a file where the folder should be");
    auto run = RunCli({"settings"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("extension\t\n", 0), 0u) << run.out;
    EXPECT_EQ(run.out.find("company"), std::string::npos) << run.out;
    std::size_t warnings = 0;
    for (std::size_t at = run.err.find("경고"); at != std::string::npos;
         at = run.err.find("경고", at + 1))
        ++warnings;
    EXPECT_EQ(warnings, 1u) << run.err;
    EXPECT_NE(run.err.find("데이터 폴더에 파일을 만들 수 없어"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace orvalis::cli
