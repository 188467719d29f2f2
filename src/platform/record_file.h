#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis {

// Record files: text fields separated by commas, each written in double
// quotes, one record per CR LF line, in code page 949.
//
// Reading takes fields in sequence with line ends counting as separators, so a
// line with too few fields takes the rest of its record from the next line, as
// the stored files have always been read. A quoted field is taken without its
// quotes (nothing is escaped inside); an unquoted field ends at the next comma
// or line end and loses its surrounding blanks. Blank lines hold no field.
class RecordReader {
  public:
    // `bytes` is the file's content in code page 949.
    explicit RecordReader(std::string bytes);

    // The next field as UTF-8, or nothing at the end of the file.
    std::optional<std::string> NextField();

    enum class Status { kRecord, kEnd, kIncomplete };
    struct Record {
        Status status = Status::kEnd;
        std::vector<std::string> fields;  // the fields read, all `count` for kRecord
    };
    // The next `count` fields: kRecord when all were there, kEnd when the file
    // had none left, kIncomplete when it ended inside the record.
    Record NextRecord(std::size_t count);

  private:
    void SkipBlankLines();
    std::string ReadQuoted();
    std::string ReadUnquoted();
    void SkipSeparator();

    std::string bytes_;
    std::size_t position_ = 0;
};

// One record as a line of the file: each field in double quotes, separated by
// commas, ended by CR LF, in code page 949. A double quote inside a field
// cannot be stored and is written as a single quote.
std::string FormatRecordLine(const std::vector<std::string>& fields);

}  // namespace orvalis
