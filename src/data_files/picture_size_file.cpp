#include "data_files/picture_size_file.h"

#include <vector>

#include "data_files/data_folder.h"
#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/record_file.h"

namespace orvalis::settings {

std::string PictureSizeFilePath() {
    return DataPath("DAT FILE\\그림DATA.DAT");
}

PictureSizeRead ReadPictureSizes() {
    PictureSizeRead result;
    auto bytes = ReadFileBytes(ResolvePath(PictureSizeFilePath()));
    if (!bytes) return result;
    RecordReader reader(std::move(*bytes));
    for (;;) {
        auto record = reader.NextRecord(8);
        if (record.status != RecordReader::Status::kRecord) {
            result.complete = record.status == RecordReader::Status::kEnd;
            return result;
        }
        PictureSizeTexts sizes;
        std::move(record.fields.begin(), record.fields.end(), sizes.begin());
        result.sizes = std::move(sizes);
    }
}

void WritePictureSizes(const PictureSizeTexts& sizes) {
    std::vector<std::string> fields(sizes.begin(), sizes.end());
    ReplaceFileAtomically(ResolvePath(PictureSizeFilePath()), FormatRecordLine(fields));
}

}  // namespace orvalis::settings
