// The record-file reader (the picture-size and tool-assembly files) on any
// file a person may have edited. Whatever the fields read, writing them as a
// line and reading that line again must give as many fields, and a second
// round must change nothing more.
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/record_file.h"

namespace {

using orvalis::RecordReader;
using orvalis::fuzz::Require;

std::vector<std::string> AllFields(std::string bytes) {
    RecordReader reader(std::move(bytes));
    std::vector<std::string> fields;
    while (auto field = reader.NextField()) fields.push_back(std::move(*field));
    return fields;
}

void ReadRecords(const std::string& bytes, std::size_t count) {
    RecordReader reader(bytes);
    for (;;) {
        auto record = reader.NextRecord(count);
        if (record.status != RecordReader::Status::kRecord) {
            Require(record.fields.size() < count, "a short record has fewer fields");
            return;
        }
        Require(record.fields.size() == count, "a record has all its fields");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string bytes(orvalis::fuzz::InputText(data, size));
    ReadRecords(bytes, 8);
    ReadRecords(bytes, 16);

    std::vector<std::string> fields = AllFields(bytes);
    if (fields.empty()) return 0;
    std::vector<std::string> once = AllFields(orvalis::FormatRecordLine(fields));
    Require(once.size() == fields.size(), "a written line reads back as many fields");
    Require(AllFields(orvalis::FormatRecordLine(once)) == once,
            "a written line reads back the same");
    return 0;
}
