#include "data_files/tool_assembly_file.h"

#include <algorithm>

#include "data_files/data_folder.h"
#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/record_file.h"

namespace orvalis::settings {

std::string ToolAssemblyFilePath() {
    return DataPath("DAT FILE\\공구DATA.DAT");
}

ToolAssemblyRead ReadToolAssemblies() {
    ToolAssemblyRead result;
    auto bytes = ReadFileBytes(ResolvePath(ToolAssemblyFilePath()));
    if (!bytes) return result;
    result.found = true;
    RecordReader reader(std::move(*bytes));
    for (;;) {
        auto record = reader.NextRecord(16);
        if (record.status != RecordReader::Status::kRecord) {
            result.incomplete = record.status == RecordReader::Status::kIncomplete;
            return result;
        }
        ToolAssemblyRecord fields;
        std::move(record.fields.begin(), record.fields.end(), fields.begin());
        result.records.push_back(std::move(fields));
    }
}

void AppendToolAssembly(const ToolAssemblyRecord& record) {
    auto path = ResolvePath(ToolAssemblyFilePath());
    // A table that is there but cannot be read (too large, not a file) is
    // never replaced by the one new record.
    std::string bytes = ReadFileChecked(path).value_or("");
    // A file whose last line lost its end still gets the new record on a line of its own.
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    bytes += FormatRecordLine(std::vector<std::string>(record.begin(), record.end()));
    ReplaceFileAtomically(path, bytes);
}

RemoveOutcome RemoveToolAssembly(const ToolAssemblyRecord& record) {
    ToolAssemblyRead read = ReadToolAssemblies();
    if (read.incomplete) return RemoveOutcome::kFileIncomplete;
    auto found = std::find(read.records.begin(), read.records.end(), record);
    if (found == read.records.end()) return RemoveOutcome::kNotFound;
    read.records.erase(found);
    std::string bytes;
    for (const auto& kept : read.records) {
        bytes += FormatRecordLine(std::vector<std::string>(kept.begin(), kept.end()));
    }
    ReplaceFileAtomically(ResolvePath(ToolAssemblyFilePath()), bytes);
    return RemoveOutcome::kRemoved;
}

}  // namespace orvalis::settings
