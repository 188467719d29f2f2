#include "platform/record_file.h"

#include <gtest/gtest.h>

#include "platform/cp949.h"

namespace orvalis {
namespace {

std::vector<std::string> AllFields(const std::string& bytes) {
    RecordReader reader(bytes);
    std::vector<std::string> fields;
    while (auto field = reader.NextField()) fields.push_back(*field);
    return fields;
}

TEST(RecordFile, ReadsQuotedAndUnquotedFieldsWithLineEndsAsSeparators) {
    using Fields = std::vector<std::string>;
    struct Case {
        std::string bytes;
        Fields fields;
    };
    const Case cases[] = {
        {"\"300\",\"200\"\r\n", {"300", "200"}},
        {"\"a, b\",\" c \"\r\n", {"a, b", " c "}},  // quotes keep commas and blanks
        {"  300 , 200\t\r\n", {"300", "200"}},      // unquoted fields lose blanks
        {"\"\",\"\"\r\n", {"", ""}},
        {",x\r\n", {"", "x"}},
        {"\"a\"\n\"b\"\r\"c\"", {"a", "b", "c"}},            // any line end; none at the end
        {"\"a\"\r\n\r\n  \r\n\"b\"\r\n", {"a", "b"}},        // blank lines hold no field
        {"\"a\"junk,\"b\"\r\n", {"a", "b"}},                 // text after a closing quote
        {"\"unclosed,x\r\n\"b\"\r\n", {"unclosed,x", "b"}},  // an open quote ends with its line
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(AllFields(c.bytes), c.fields) << c.bytes;
    EXPECT_EQ(AllFields(Utf8ToCp949("\"공구경\",\"샹크\"\r\n")), (Fields{"공구경", "샹크"}));
}

TEST(RecordFile, RecordsTakeMissingFieldsFromTheNextLine) {
    RecordReader reader("\"1\",\"2\"\r\n\"3\"\r\n\"4\",\"5\",\"6\"\r\n\"7\"\r\n");
    auto first = reader.NextRecord(3);
    EXPECT_EQ(first.status, RecordReader::Status::kRecord);
    EXPECT_EQ(first.fields, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(reader.NextRecord(3).fields, (std::vector<std::string>{"4", "5", "6"}));
    auto last = reader.NextRecord(3);
    EXPECT_EQ(last.status, RecordReader::Status::kIncomplete);
    EXPECT_EQ(last.fields, std::vector<std::string>{"7"});
    EXPECT_EQ(reader.NextRecord(3).status, RecordReader::Status::kEnd);
}

TEST(RecordFile, WritesQuotedCommaSeparatedLinesThatReadBackTheSame) {
    std::vector<std::string> fields = {"300", "", "a, b", " padded ", "홀더"};
    std::string line = FormatRecordLine(fields);
    EXPECT_EQ(line, Utf8ToCp949("\"300\",\"\",\"a, b\",\" padded \",\"홀더\"\r\n"));
    EXPECT_EQ(AllFields(line), fields);
    // A double quote cannot be stored inside a field; it must not break the line.
    EXPECT_EQ(FormatRecordLine({"say \"hi\""}), "\"say 'hi'\"\r\n");
}

}  // namespace
}  // namespace orvalis
