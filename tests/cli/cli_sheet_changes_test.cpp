#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/cli_run.h"
#include "platform/atomic_file.h"
#include "sheet/test_bitmaps.h"
#include "support/workbook_check.h"

namespace orvalis::cli {
namespace {

namespace fs = std::filesystem;

// Grid rows as `survey` prints them: host name, NC name, then the survey's cells.
std::string Row(const std::string& host, const std::string& nc, const std::string& tool,
                const std::string& time) {
    return host + "\t" + nc + "\t" + tool + "\t0.3\t1\t5\t-12.0\t" + time +
           "\t36(100)\t()\t()\t()\t등고선\n";
}

struct SheetRun {
    SheetRun() {
        for (const char* view : {"Top", "Front", "Right", "ISO"}) {
            cli.drives.Write(std::string("C:\\TARVEL\\ORVALIS\\IMAGE\\") + view + ".bmp",
                             testing::LineDrawingBmp(32, 24));
        }
        fs::create_directory(out);
    }
    CliRun Sheet(const std::string& rows, std::vector<std::string> extra = {}) {
        fs::path grid = cli.folder.path() / "grid.tsv";
        std::ofstream(grid) << rows;
        std::vector<std::string> words = {"sheet",       "--folder", out.string(), "--grid",
                                          grid.string(), "--prefix", "T"};
        words.insert(words.end(), extra.begin(), extra.end());
        return cli.Run(words);
    }

    ReplayCli cli{"version 8009\n"};
    fs::path out = cli.folder.path() / "out";
    fs::path sheet = out / "T.xlsx";
};

const std::string kBefore = Row("1-ROUGH", "T1", "Ø10F", "00:10:00") +
                            Row("2-WALL", "T2", "Ø8F", "00:05:00") +
                            Row("3-FLOOR", "T3", "Ø12F", "00:07:30");
// 2-WALL gets another tool, 3-FLOOR goes, 4-PENCIL comes; the NC names are
// numbered again, so T3 is now 2-WALL.
const std::string kAfter = Row("1-ROUGH", "T1", "Ø10F", "00:10:00") +
                           Row("4-PENCIL", "T2", "Ø4B", "00:03:00") +
                           Row("2-WALL", "T3", "Ø6F", "00:05:00");
const std::string kChanges =
    "변경: 바뀜 1개, 새 툴패스 1개, 삭제 1개\n"
    "바뀜 2-WALL (T3): NC 이름 T2 → T3, 공구 Ø8F → Ø6F\n"
    "새 툴패스 4-PENCIL (T2)\n"
    "삭제 3-FLOOR (이전 T3)\n";

TEST(CliSheetChanges, AReplacingSheetAndCompareSayTheSameChanges) {
    SheetRun run;
    ASSERT_EQ(run.Sheet(kBefore).status, 0);
    fs::path before = run.cli.folder.path() / "before.xlsx";
    fs::copy_file(run.sheet, before);

    CliRun replaced = run.Sheet(kAfter, {"--force"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.out, run.sheet.string() + "\n" + kChanges);
    EXPECT_TRUE(testing::IsSoundWorkbookFile(run.sheet));

    CliRun compared = run.cli.Run({"compare", before.string(), run.sheet.string()});
    EXPECT_EQ(compared.status, 0) << compared.err;
    EXPECT_EQ(compared.out, kChanges);

    CliRun same = run.cli.Run({"compare", run.sheet.string(), run.sheet.string()});
    EXPECT_EQ(same.out, "변경: 바뀜 0개, 새 툴패스 0개, 삭제 0개\n");
}

TEST(CliSheetChanges, NoMarksAndOldFilesThatCannotBeComparedPrintNoChanges) {
    SheetRun run;
    ASSERT_EQ(run.Sheet(kBefore).status, 0);
    CliRun unmarked = run.Sheet(kAfter, {"--force", "--no-marks"});
    EXPECT_EQ(unmarked.status, 0) << unmarked.err;
    EXPECT_EQ(unmarked.out, run.sheet.string() + "\n");

    ReplaceFileAtomically(run.sheet, "a text file under the sheet's name");
    CliRun over_text = run.Sheet(kAfter, {"--force"});
    EXPECT_EQ(over_text.status, 0) << over_text.err;  // the new sheet is what matters
    EXPECT_EQ(over_text.out, run.sheet.string() + "\n");
    EXPECT_NE(over_text.err.find("변경 표시 없이"), std::string::npos) << over_text.err;
    EXPECT_TRUE(testing::IsSoundWorkbookFile(run.sheet));
}

// Whichever side is at fault is the one named; two files that are no setup
// sheets are no comparison either.
TEST(CliSheetChanges, CompareRefusesWhatItCannotReadNamingIt) {
    SheetRun run;
    ASSERT_EQ(run.Sheet(kBefore).status, 0);
    ASSERT_EQ(run.cli.Run({"pictures", "--folder", run.out.string()}).status, 0);
    fs::path pictures = run.out / "IMAGE.xlsx";
    fs::path text = run.cli.folder.path() / "notes.xlsx";
    std::ofstream(text) << "not a workbook";
    fs::path missing = run.cli.folder.path() / "missing.xlsx";

    for (const fs::path& other : {text, missing, pictures}) {
        for (bool other_first : {true, false}) {
            SCOPED_TRACE(other.string() + (other_first ? " first" : " second"));
            CliRun refused = run.cli.Run({"compare", (other_first ? other : run.sheet).string(),
                                          (other_first ? run.sheet : other).string()});
            EXPECT_EQ(refused.status, 1);
            EXPECT_EQ(refused.out, "");
            EXPECT_NE(refused.err.find(other.string()), std::string::npos) << refused.err;
            EXPECT_EQ(refused.err.find(run.sheet.string()), std::string::npos) << refused.err;
        }
    }
    CliRun both = run.cli.Run({"compare", pictures.string(), pictures.string()});
    EXPECT_EQ(both.status, 1);
    EXPECT_EQ(both.err, "orvalis-cli: 비교할 수 없습니다: " + pictures.string() +
                            ": 작업 지시서가 아닙니다 (계속 쪽이 없는 1장짜리 통합 문서)\n");
    EXPECT_EQ(run.cli.Run({"compare", run.sheet.string()}).status, 2);
}

}  // namespace
}  // namespace orvalis::cli
