// The code page 949 conversions give the same bytes on every system: iconv
// off Windows, MultiByteToWideChar / WideCharToMultiByte with code page 949
// on Windows. The expected bytes are iconv's (glibc, CP949); the same table
// runs in the Linux and the Windows test program, invalid bytes included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp949.h"

namespace orvalis {
namespace {

struct Conversion {
    std::string input;
    std::string expected;
};

// Code page 949 bytes -> UTF-8. Invalid bytes become U+FFFD one byte at a
// time: a lone byte 0x80 or 0xFF, a lead byte at the end or before a byte
// that cannot follow it (the next byte is then read on its own), and the
// user-defined rows 0xC9 and 0xFE.
const std::vector<Conversion> kToUtf8 = {
    {"", ""},
    {"\x53\x45\x54\x54\x49\x4E\x47\x2E\x64\x61\x74",
     "\x53\x45\x54\x54\x49\x4E\x47\x2E\x64\x61\x74"},
    {"\xB0\xF8\xB1\xB8\x44\x41\x54\x41\x2E\x44\x41\x54",
     "\xEA\xB3\xB5\xEA\xB5\xAC\x44\x41\x54\x41\x2E\x44\x41\x54"},
    {"\x81\x41", "\xEA\xB0\x82"},
    {"\x41\xB0", "\x41\xEF\xBF\xBD"},
    {"\xB0\x20\x7A", "\xEF\xBF\xBD\x20\x7A"},
    {"\x80", "\xEF\xBF\xBD"},
    {"\xFF", "\xEF\xBF\xBD"},
    {"\xC9\xA1", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"\xA2\xE6", "\xE2\x82\xAC"},
    {"\xA2\xE7", "\xC2\xAE"},
    {"\xA1\xA1", "\xE3\x80\x80"},
    {"\xCA\xA1", "\xE4\xBC\xBD"},
    {"\xFE\xFE", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"\xC6\x52", "\xED\x9E\xA3"},
    {"\xC6\x53", "\xEF\xBF\xBD\x53"},
    {"\xA1\x41", "\xEC\xA2\xA5"},
    {"\xC7\x41", "\xEF\xBF\xBD\x41"},
    {"\x81\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"\xA8\xA1", "\xC3\x86"},
    {"\xB0\xA1\xB0", "\xEA\xB0\x80\xEF\xBF\xBD"},
};

// UTF-8 -> code page 949. A character the code page lacks becomes "?"; so
// does an invalid UTF-8 sequence (overlong, surrogate, cut off, 5-byte), one
// "?" per started sequence as iconv reads it. No best-fit substitutes (no
// "e" for "é"); the private-use area stays "?".
const std::vector<Conversion> kToCp949 = {
    {"\x28\xEC\xA3\xBC\x29\xED\x95\x9C\xEA\xB5\xAD\xEC\xA0\x95\xEB\xB0\x80",
     "\x28\xC1\xD6\x29\xC7\xD1\xB1\xB9\xC1\xA4\xB9\xD0"},
    {"\xEA\xB8\x88\xED\x98\x95\x20\xEC\x9D\xB8\xEC\x84\x9C\xED\x8A\xB8",
     "\xB1\xDD\xC7\xFC\x20\xC0\xCE\xBC\xAD\xC6\xAE"},
    {"\xE2\x82\xAC", "\xA2\xE6"},
    {"\xC2\xAE", "\xA2\xE7"},
    {"\xF0\x9F\x98\x80", "\x3F"},
    {"\xC3\x28", "\x3F\x28"},
    {"\xE0\x80\x80", "\x3F"},
    {"\xED\xA0\x80", "\x3F"},
    {"\x61\x62\xEA\xB0", "\x61\x62\x3F"},
    {"\xF8\x88\x80\x80\x80", "\x3F\x3F"},
    {"\xFF", "\x3F"},
    {"\xC2\xA0", "\x3F"},
    {"\xC2\xB7", "\xA1\xA4"},
    {"\xEA\xB0\x82", "\x81\x41"},
    {"\xE3\x84\xB1", "\xA4\xA1"},
    {"\xE4\xB8\x81", "\xEF\xCB"},
    {"\xEF\xBF\xBD", "\x3F"},
    {"\x7F", "\x7F"},
    {"\xC3\xA9", "\x3F"},
    {"\xE2\x80\x94", "\x3F"},
    {"\xE2\x88\xBC", "\xA1\xAD"},
    {"\xEF\xBD\x9E", "\xA2\xA6"},
    {"\xC2\xBD", "\xA8\xF6"},
    {"\xEE\x80\x80", "\x3F"},
};

TEST(Cp949Table, BytesToUtf8AreIconvsOnEverySystem) {
    for (const auto& row : kToUtf8) {
        EXPECT_EQ(Cp949ToUtf8(row.input), row.expected) << ::testing::PrintToString(row.input);
    }
}

TEST(Cp949Table, Utf8ToBytesAreIconvsOnEverySystem) {
    for (const auto& row : kToCp949) {
        EXPECT_EQ(Utf8ToCp949(row.input), row.expected) << ::testing::PrintToString(row.input);
    }
}

// Every double-byte character of the code page converts to UTF-8 and back to
// the same two bytes, on every system.
TEST(Cp949Table, EveryDoubleByteCharacterRoundTrips) {
    int characters = 0;
    std::vector<std::string> broken;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x41; trail <= 0xFE; ++trail) {
            std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            std::string utf8 = Cp949ToUtf8(bytes);
            if (utf8.find("\xEF\xBF\xBD") != std::string::npos) continue;
            ++characters;
            if (Utf8ToCp949(utf8) != bytes) broken.push_back(::testing::PrintToString(bytes));
        }
    }
    // KS X 1001 and the UHC additions: the same count everywhere.
    EXPECT_EQ(characters, 17048);
    EXPECT_TRUE(broken.empty()) << broken.size() << " do not round-trip, first " << broken[0];
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
