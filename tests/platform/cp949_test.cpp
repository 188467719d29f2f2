#include "platform/cp949.h"

#include <gtest/gtest.h>

namespace orvalis {
namespace {

TEST(Cp949, ConvertsKoreanBothWaysByteExact) {
    // "업체명" is BE F7 C3 BC B8 ED in code page 949.
    EXPECT_EQ(Utf8ToCp949("업체명1"),
              "\xBE\xF7\xC3\xBC\xB8\xED"
              "1");
    EXPECT_EQ(Cp949ToUtf8("\xBE\xF7\xC3\xBC\xB8\xED"
                          "1"),
              "업체명1");
    EXPECT_EQ(Cp949ToUtf8(Utf8ToCp949("그룸 DATA확장자 (주)한국정밀")),
              "그룸 DATA확장자 (주)한국정밀");
}

TEST(Cp949, NeverFailsOnBadInput) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(Cp949ToUtf8("A\xFF"
                          "B"),
              "A" + replacement + "B");
    EXPECT_EQ(Cp949ToUtf8("A\xB0"), "A" + replacement);  // lead byte cut off at the end
    EXPECT_EQ(Utf8ToCp949("\U0001F600"
                          "10"),
              "?10");  // not in the code page
    EXPECT_EQ(Utf8ToCp949("A\xC3"
                          "B"),
              "A?B");  // broken UTF-8
}

TEST(Cp949, CutsOnlyAtCharacterBoundaries) {
    const std::string text =
        "A\xB0\xA1\xB0\xA1"
        "B";  // A 가 가 B
    struct Case {
        std::size_t limit;
        std::size_t cut;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 5}, {6, 6}, {99, 6}};
    for (const auto& c : cases) EXPECT_EQ(Cp949CutLength(text, c.limit), c.cut) << c.limit;
}

TEST(Cp949, ComparesNamesIgnoringCaseOfSingleByteLettersOnly) {
    EXPECT_TRUE(Cp949EqualsIgnoringCase("ListIndex", "LISTINDEX"));
    EXPECT_TRUE(Cp949EqualsIgnoringCase(Utf8ToCp949("DATA확장자"), Utf8ToCp949("data확장자")));
    // Trail bytes 0x41 and 0x61 are different characters, not one letter in two cases.
    EXPECT_FALSE(Cp949EqualsIgnoringCase("\x81\x41", "\x81\x61"));
    EXPECT_FALSE(Cp949EqualsIgnoringCase("TYPE", "TYPES"));
}

}  // namespace
}  // namespace orvalis
