// Settings and record files as people leave them after editing by hand: each
// damage gives a defined result (an empty value, a skipped or short record)
// and never a crash.
#include <gtest/gtest.h>

#include "data_files/picture_size_file.h"
#include "data_files/settings_files.h"
#include "data_files/tool_assembly_file.h"
#include "platform/cp949.h"
#include "platform/profile_file.h"
#include "support/temp_folder.h"

namespace orvalis::settings {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD
const std::string k100Kb(100 * 1024, 'x');

TEST(HandEditedProfileFiles, ReadsGiveTheValueOrTheEmptyText) {
    struct Case {
        const char* name;
        std::string file;  // code page 949 bytes
        std::string section;
        std::string key;
        std::string value;  // what ReadDatas gives
    };
    const Case cases[] = {
        {"UTF-8 mark before the first section",
         "\xEF\xBB\xBF" + Utf8ToCp949("[그룸]\r\n업체명1=한국\r\n"), "그룸", "업체명1", "한국"},
        {"UTF-8 mark and LF line ends", "\xEF\xBB\xBF" + Utf8ToCp949("[그룸]\n업체명1=한국\n"),
         "그룸", "업체명1", "한국"},
        {"a second section of the same name is not read", "[S]\r\nA=1\r\n[s]\r\nB=2\r\n", "S", "B",
         ""},
        {"invalid bytes in the value", "[S]\r\nK=\x81 ok\xFF\r\n", "S", "K",
         kReplacement + " ok" + kReplacement},
        {"a lead byte cut off by the end of the file", "[S]\r\nK=ab\xB0", "S", "K",
         "ab" + kReplacement},
        {"invalid bytes in another entry", "[S]\r\n\x81=\xFE\xFE\xFE\r\nK=v\r\n", "S", "K", "v"},
        {"invalid bytes do not match a name", "[S]\r\nK\x81=v\r\n", "S", "K", ""},
        {"a 100 KB line before the key", "[S]\r\n" + k100Kb + "\r\nK=v\r\n", "S", "K", "v"},
        {"a 100 KB value is cut to its buffer", "[S]\r\nK=" + k100Kb + "\r\n", "S", "K",
         k100Kb.substr(0, 254)},
        {"a 100 KB file without line ends", "[S]" + k100Kb + "K=v", "S", "K", ""},
    };
    for (const auto& c : cases) {
        testing::TempDrives drives;
        drives.Write(CompanyFilePath(), c.file);
        EXPECT_EQ(ReadDatas(c.section, c.key, CompanyFilePath()), c.value) << c.name;
    }
}

TEST(HandEditedProfileFiles, AWriteChangesOnlyItsOwnLine) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;  // after storing K=2 in section S
    };
    const Case cases[] = {
        {"section line without its ]", "[S\r\nK=1\r\n", "[S\r\nK=2\r\n"},
        {"duplicate keys: the first is the one read", "[S]\r\nK=1\r\nK=old\r\n",
         "[S]\r\nK=2\r\nK=old\r\n"},
        {"invalid bytes elsewhere stay as they were", "[S]\r\nX=\x81\xFF\r\nK=1\r\n",
         "[S]\r\nX=\x81\xFF\r\nK=2\r\n"},
        {"a 100 KB line stays whole", "[S]\r\n" + k100Kb + "\r\nK=1\r\n",
         "[S]\r\n" + k100Kb + "\r\nK=2\r\n"},
        {"a UTF-8 mark and LF line ends stay", "\xEF\xBB\xBF[S]\nK=1\n", "\xEF\xBB\xBF[S]\nK=2\n"},
    };
    for (const auto& c : cases) {
        testing::TempDrives drives;
        drives.Write(SettingFilePath(), c.before);
        WriteSetting("S", "K", "2", SettingFilePath());
        EXPECT_EQ(drives.Read(SettingFilePath()), c.after) << c.name;
        EXPECT_EQ(ReadSetting("S", "K", SettingFilePath()), "2") << c.name;
    }
}

std::string Quoted(const std::vector<std::string>& fields) {
    std::string line;
    for (const auto& field : fields) line += (line.empty() ? "\"" : ",\"") + field + "\"";
    return line + "\r\n";
}

const std::vector<std::string> kOneToEight = {"1", "2", "3", "4", "5", "6", "7", "8"};
const std::vector<std::string> kAToH = {"a", "b", "c", "d", "e", "f", "g", "h"};

TEST(HandEditedRecordFiles, PictureSizesKeepTheLastCompleteGroup) {
    struct Case {
        const char* name;
        std::string file;
        std::optional<PictureSizeTexts> sizes;
        bool complete;
    };
    const Case cases[] = {
        {"quote left open at the end of a line",
         "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\r\n",
         PictureSizeTexts{"1", "2", "3", "4", "5", "6", "7", "8"}, true},
        {"quote left open in the middle of a line",
         "\"1\",\"2,\"3\",\"4\",\"5\",\"6\",\"7\",\"8\"\r\n", std::nullopt, false},
        {"damaged line before a good one",
         "\"1\",\"2,\"3\",\"4\",\"5\",\"6\",\"7\",\"8\"\r\n" + Quoted(kAToH),
         PictureSizeTexts{"1", "2,", "4", "5", "6", "7", "8", "a"}, false},
        {"seven fields, then a whole line",
         "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\"\r\n" + Quoted(kAToH),
         PictureSizeTexts{"1", "2", "3", "4", "5", "6", "7", "a"}, false},
        {"blank lines between groups", Quoted(kOneToEight) + "\r\n  \r\n" + Quoted(kAToH),
         PictureSizeTexts{"a", "b", "c", "d", "e", "f", "g", "h"}, true},
    };
    for (const auto& c : cases) {
        testing::TempDrives drives;
        drives.Write(PictureSizeFilePath(), c.file);
        auto read = ReadPictureSizes();
        EXPECT_EQ(read.sizes, c.sizes) << c.name;
        EXPECT_EQ(read.complete, c.complete) << c.name;
    }
}

TEST(HandEditedRecordFiles, ToolAssembliesStopAtARecordTheFileCutsShort) {
    const std::vector<std::string> ten = {"10", "75", "10", "10", "30", "", "",    "",
                                          "32", "32", "50", "",   "",   "", "0.5", "1"};
    std::vector<std::string> fifteen(ten.begin(), ten.end() - 1);
    std::vector<std::string> seventeen = ten;
    seventeen.push_back("extra");
    std::string open_quote = Quoted(ten);
    open_quote.replace(open_quote.find("\"75\""), 4, "\"75");  // "75 left open

    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> keys;  // first field of each record read
        bool incomplete;
    };
    const Case cases[] = {
        {"a quote left open", open_quote + Quoted(ten), {"10"}, true},
        {"fifteen fields take the next line's first", Quoted(fifteen) + Quoted(ten), {"10"}, true},
        {"fifteen fields at the end", Quoted(ten) + Quoted(fifteen), {"10"}, true},
        {"seventeen fields start another record", Quoted(seventeen), {"10"}, true},
        {"blank lines between records",
         Quoted(ten) + "\r\n\r\n" + Quoted(ten),
         {"10", "10"},
         false},
        {"only blank lines", "\r\n \r\n\n", {}, false},
    };
    for (const auto& c : cases) {
        testing::TempDrives drives;
        drives.Write(ToolAssemblyFilePath(), c.file);
        auto read = ReadToolAssemblies();
        std::vector<std::string> keys;
        for (const auto& record : read.records) keys.push_back(record[0]);
        EXPECT_EQ(keys, c.keys) << c.name;
        EXPECT_EQ(read.incomplete, c.incomplete) << c.name;
    }
}

}  // namespace
}  // namespace orvalis::settings
