#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include "platform/cp949.h"

namespace orvalis {
namespace {

// What comes in from the host or a grid file: each case as bytes, and the
// UTF-8 text the program keeps.
TEST(TextEncoding, IncomingTextIsUtf8ElseCodePage949ElseReplacement) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string kept;
    };
    const Case cases[] = {
        {"plain ASCII", "T1-ROUGH", "T1-ROUGH"},
        {"UTF-8 Korean stays", "황삭옵셋", "황삭옵셋"},
        {"code page 949 among ASCII", "D10 \xC8\xB2\xBB\xE8 R1", "D10 황삭 R1"},
        {"a byte-order mark of UTF-16", "\xFF\xFE", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"a lone continuation byte", "A\x80Z", "A\xEF\xBF\xBDZ"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string kept = DecodeIncomingText(c.bytes);
        EXPECT_EQ(kept, c.kept);
        EXPECT_TRUE(IsValidUtf8(kept));
    }
}

TEST(TextEncoding, OnlyWellFormedUtf8PassesAndRepairKeepsTheRest) {
    const char* valid[] = {"", "abc", "품  명", "\xF0\x9F\x94\xA7", "\xEF\xBF\xBD"};
    for (const char* text : valid) EXPECT_TRUE(IsValidUtf8(text)) << text;
    const char* invalid[] = {"\xC0\xAF",           // overlong "/"
                             "\xED\xA0\x80",       // a surrogate
                             "\xF4\x90\x80\x80",   // past U+10FFFF
                             "\xE8\xAD",           // cut short
                             "\xB1\xDD\xC7\xFC"};  // code page 949 "금형"
    for (const char* text : invalid) EXPECT_FALSE(IsValidUtf8(text)) << text;
    EXPECT_EQ(RepairUtf8("a\xC0\xAF"
                         "b"),
              "a\xEF\xBF\xBD\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(RepairUtf8("금형"), "금형");
}

}  // namespace
}  // namespace orvalis
