#include "platform/record_file.h"

#include "platform/cp949.h"

namespace orvalis {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

RecordReader::RecordReader(std::string bytes) : bytes_(std::move(bytes)) {}

void RecordReader::SkipBlankLines() {
    std::size_t probe = position_;
    while (probe < bytes_.size()) {
        char c = bytes_[probe];
        if (IsLineEnd(c)) {
            position_ = ++probe;  // a line with nothing but blanks holds no field
        } else if (IsBlank(c)) {
            ++probe;
        } else {
            return;
        }
    }
    position_ = probe;
}

std::optional<std::string> RecordReader::NextField() {
    SkipBlankLines();
    if (position_ >= bytes_.size()) return std::nullopt;
    while (IsBlank(bytes_[position_])) ++position_;
    std::string field = bytes_[position_] == '"' ? ReadQuoted() : ReadUnquoted();
    SkipSeparator();
    return Cp949ToUtf8(field);
}

std::string RecordReader::ReadQuoted() {
    std::size_t start = ++position_;
    // A quote left open ends with its line, so one damaged field cannot
    // swallow the records after it.
    std::size_t end = bytes_.find_first_of("\"\r\n", start);
    if (end == std::string::npos) end = bytes_.size();
    position_ = end < bytes_.size() && bytes_[end] == '"' ? end + 1 : end;
    return bytes_.substr(start, end - start);
}

std::string RecordReader::ReadUnquoted() {
    std::size_t start = position_;
    std::size_t end = bytes_.find_first_of(",\r\n", start);
    if (end == std::string::npos) end = bytes_.size();
    position_ = end;
    std::size_t last = end;
    while (last > start && IsBlank(bytes_[last - 1])) --last;
    return bytes_.substr(start, last - start);
}

// Skips what follows a field up to and including its comma or line end.
void RecordReader::SkipSeparator() {
    while (position_ < bytes_.size()) {
        char c = bytes_[position_++];
        if (c == ',') return;
        if (c == '\r') {
            if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
            return;
        }
        if (c == '\n') return;
    }
}

RecordReader::Record RecordReader::NextRecord(std::size_t count) {
    Record record;
    while (record.fields.size() < count) {
        auto field = NextField();
        if (!field) {
            record.status = record.fields.empty() ? Status::kEnd : Status::kIncomplete;
            return record;
        }
        record.fields.push_back(std::move(*field));
    }
    record.status = Status::kRecord;
    return record;
}

std::string FormatRecordLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        std::string field = Utf8ToCp949(fields[i]);
        for (char& c : field) {
            if (c == '"') c = '\'';
            if (c == '\r' || c == '\n') c = ' ';
        }
        line += '"' + field + '"';
    }
    return line + "\r\n";
}

}  // namespace orvalis
