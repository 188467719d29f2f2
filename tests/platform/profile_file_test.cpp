#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/cp949.h"
#include "platform/file_error.h"
#include "support/temp_folder.h"

namespace orvalis {
namespace {

const std::string kIni = "C:\\TARVEL\\ORVALIS\\DAT FILE\\Sample.Ini";
const std::string k100Kb(100 * 1024, 'x');

TEST(ProfileFile, KoreanSectionKeyAndValueRoundTripInCodePage949) {
    testing::TempDrives drives;
    drives.Write(kIni, "");
    WriteSetting("그룸", "업체명1", "(주)한국정밀", kIni);
    EXPECT_EQ(*drives.Read(kIni), Utf8ToCp949("[그룸]\r\n업체명1=(주)한국정밀\r\n"));
    EXPECT_EQ(ReadDatas("그룸", "업체명1", kIni), "(주)한국정밀");
}

TEST(ProfileFile, MissingFileSectionOrKeyReadsEmpty) {
    testing::TempDrives drives;
    EXPECT_EQ(ReadDatas("그룸", "업체명1", kIni), "");
    drives.Write(kIni, Utf8ToCp949("[그룸]\r\n업체명1=A\r\n[기타]\r\n업체명2=B\r\n"));
    EXPECT_EQ(ReadDatas("그룸", "업체명2", kIni), "");  // belongs to another section
}

// Files as people leave them after editing by hand: each damage gives the
// value or nothing, never a crash.
TEST(ProfileFile, LookupIgnoresCaseAndBlanksAndTakesTheFirstKey) {
    const std::string file =
        "; comment\r\n[Data]\r\n  Type = nc "
        "\r\nTYPE=second\r\nnoequals\r\n[DATA]\r\nType=other\r\n";
    EXPECT_EQ(ProfileLookup(file, "data", "type"), "nc");
    struct Case {
        std::string file;
        std::optional<std::string> value;  // of K in section S
    };
    const Case cases[] = {
        {"[S\r\nK=no bracket\r\n", "no bracket"},
        {"[S]\r\nK=\r\n", ""},
        {"[S]\r\nK=a=b\r\n", "a=b"},
        {"K=outside\r\n[S]\r\n", std::nullopt},
        {"\xEF\xBB\xBF[S]\r\nK=v\r\n", "v"},  // a UTF-8 mark before the first section
        {"\xEF\xBB\xBF[S]\nK=v\n", "v"},
        {"[S]\r\nA=1\r\n[s]\r\nK=2\r\n", std::nullopt},  // a second section is not read
        {"[S]\r\n\x81=\xFE\xFE\xFE\r\nK=v\r\n", "v"},    // invalid bytes in another entry
        {"[S]\r\nK\x81=v\r\n", std::nullopt},            // invalid bytes match no name
        {"[S]\r\n" + k100Kb + "\r\nK=v\r\n", "v"},
        {"[S]" + k100Kb + "K=v", std::nullopt},  // 100 KB without a line end
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileLookup(c.file, "S", "K"), c.value) << c.file.substr(0, 40);
}

TEST(ProfileFile, LongValuesAreCutAtTheBufferLimitOnACharacterBoundary) {
    testing::TempDrives drives;
    const std::string path = "C:\\TARVEL\\ORVALIS\\DAT FILE\\SETTING.dat";
    // 253 single bytes then a double-byte character: the 254-byte limit would split it.
    std::string value = std::string(253, 'a') + "가나";
    drives.Write(path, "[S]\r\nK=" + Utf8ToCp949(value) + "\r\n");
    EXPECT_EQ(ReadDatas("S", "K", path), std::string(253, 'a'));
    std::string longer = std::string(1022, 'b') + "가";
    drives.Write(path, "[S]\r\nK=" + Utf8ToCp949(longer) + "\r\n");
    EXPECT_EQ(ReadSetting("S", "K", path), std::string(1022, 'b'));
    drives.Write(path, "[S]\r\nK=" + std::string(2000, 'c') + "\r\n");
    EXPECT_EQ(ReadSetting("S", "K", path), std::string(1023, 'c'));
}

TEST(ProfileFile, StoreReplacesInPlaceAndKeepsEveryOtherLine) {
    struct Case {
        std::string before;
        const char* section;
        const char* key;
        std::string after;
    };
    const Case cases[] = {
        // replace in place: other keys and their order untouched
        {"[S]\r\nA=1\r\nB=2\r\nC=3\r\n", "S", "b", "[S]\r\nA=1\r\nb=9\r\nC=3\r\n"},
        // new key goes after the section's last line, before the next section
        {"[S]\r\nA=1\r\n\r\n[T]\r\nA=1\r\n", "S", "B", "[S]\r\nA=1\r\nB=9\r\n\r\n[T]\r\nA=1\r\n"},
        // new section at the end, after a last line without its line end
        {"[S]\r\nA=1", "T", "B", "[S]\r\nA=1\r\n[T]\r\nB=9\r\n"},
        // a file cut between CR and LF: the new key still gets a line of its own
        {"[S]\r", "S", "A", "[S]\r\nA=9\r\n"},
        {"[S]\r\nA=1\r\n[T]\r", "T", "B", "[S]\r\nA=1\r\n[T]\r\nB=9\r\n"},
        // empty file
        {"", "S", "A", "[S]\r\nA=9\r\n"},
        // LF lines stay LF; a UTF-8 mark at the start is kept
        {"\xEF\xBB\xBF[S]\nA=1\n", "S", "A", "\xEF\xBB\xBF[S]\nA=9\n"},
        // hand-edited files: only the key's own line changes
        {"[S\r\nA=1\r\n", "S", "A", "[S\r\nA=9\r\n"},
        {"[S]\r\nA=1\r\nA=old\r\n", "S", "A", "[S]\r\nA=9\r\nA=old\r\n"},
        {"[S]\r\nX=\x81\xFF\r\nA=1\r\n", "S", "A", "[S]\r\nX=\x81\xFF\r\nA=9\r\n"},
        {"[S]\r\n" + k100Kb + "\r\nA=1\r\n", "S", "A", "[S]\r\n" + k100Kb + "\r\nA=9\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileStore(c.before, c.section, c.key, "9"), c.after) << c.before.substr(0, 40);
    }
    // A value cannot break the file's lines.
    EXPECT_EQ(ProfileStore("", "S", "A", "x\r\ny"), "[S]\r\nA=x  y\r\n");
}

TEST(ProfileFile, WriteIntoAMissingFolderThrowsAndCreatesNothing) {
    testing::TempDrives drives;
    EXPECT_THROW(WriteSetting("S", "K", "V", "C:\\NOWHERE\\x.ini"), FileError);
    EXPECT_FALSE(drives.Read("C:\\NOWHERE\\x.ini"));
}

}  // namespace
}  // namespace orvalis
