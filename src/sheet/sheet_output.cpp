#include "sheet/sheet_output.h"

#include <system_error>

#include "data_files/data_folder.h"
#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/file_error.h"
#include "platform/file_names.h"
#include "platform/native_path.h"
#include "sheet/picture_size.h"
#include "xlsx/bmp_image.h"
#include "xlsx/png_encode.h"

namespace orvalis::sheet {

namespace fs = std::filesystem;

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    if (text.size() < end.size()) return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (lower(text[text.size() - end.size() + i]) != lower(end[i])) return false;
    }
    return true;
}

bool Exists(const fs::path& target) {
    std::error_code error;
    return fs::exists(fs::symlink_status(target, error));
}

}  // namespace

std::string ExtensionOf(std::string_view file_name) {
    std::size_t dot = file_name.rfind('.');
    std::size_t separator = file_name.find_last_of("\\/");
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) {
        return {};
    }
    return std::string(file_name.substr(dot));
}

fs::path WorkbookTarget(const std::string& folder, const std::string& name,
                        std::string_view extension) {
    // The workbook goes to the shop's Windows machines: a name Windows cannot
    // keep is refused here too.
    if (std::string problem = FileNameProblem(name); !problem.empty()) {
        throw SheetError(SheetError::Kind::kWorkbookName, name, problem);
    }
    std::string file = name;
    if (!EndsWithIgnoringCase(file, extension)) file += extension;
    return NativePath(folder) / NativePath(file);
}

void RefuseToReplace(const fs::path& target, bool overwrite) {
    if (!overwrite && Exists(target)) {
        throw SheetError(SheetError::Kind::kWorkbookExists, Utf8(target),
                         "같은 이름의 파일이 이미 있습니다");
    }
}

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length a spreadsheet counts: UTF-16 units, so a character past U+FFFF
// counts twice.
std::size_t SpreadsheetLength(std::string_view text) {
    std::size_t length = 0;
    for (char c : text) {
        if (!IsContinuationByte(c)) length += static_cast<unsigned char>(c) >= 0xF0 ? 2 : 1;
    }
    return length;
}

// The first `characters` characters of `text`, to name it in a message.
std::string Opening(std::string_view text, std::size_t characters) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        if (!IsContinuationByte(text[end]) && seen++ == characters) break;
    }
    return std::string(text.substr(0, end));
}

}  // namespace

void RefuseOverlongText(std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts) {
        if (SpreadsheetLength(text) > kMaxCellText) {
            throw SheetError(SheetError::Kind::kCellText, Opening(text, 20),
                             "한 칸에 들어가지 않는 긴 글입니다");
        }
    }
}

xlsx::Workbook OpenTemplate(std::string_view data_file) {
    fs::path file = ResolvePath(DataPath(data_file));
    try {
        return xlsx::Workbook::Open(file);
    } catch (const xlsx::WorkbookError& error) {
        throw SheetError(SheetError::Kind::kTemplate, Utf8(file), error.what());
    }
}

void PlacePicture(xlsx::Worksheet& sheet, const PicturePlacement& placement) {
    fs::path file = ResolvePath(DataPath(placement.bitmap));
    std::string png;
    try {
        auto bytes = ReadFileBytes(file);
        if (!bytes) throw xlsx::WorkbookError(Utf8(file), "그림 파일이 없습니다");
        png = xlsx::EncodePng(xlsx::DecodeBmp(*bytes, Utf8(file)), Utf8(file));
    } catch (const xlsx::WorkbookError& error) {
        throw SheetError(SheetError::Kind::kBitmap, Utf8(file), error.what());
    }
    xlsx::PictureFrame frame;
    frame.left = RoundHalfEven(sheet.CellLeft(placement.anchor) + placement.offset_x);
    frame.top = RoundHalfEven(sheet.CellTop(placement.anchor) + placement.offset_y);
    frame.width = placement.width;
    frame.height = placement.height;
    sheet.InsertPicture(std::move(png), frame, placement.description);
}

void SaveWorkbook(xlsx::Workbook& book, const fs::path& target, bool overwrite) {
    RefuseToReplace(target, overwrite);
    try {
        // Without consent the file is only created, never replaced: one that
        // appeared since the question (another run, another program) stays.
        book.SaveAs(target, overwrite);
    } catch (const FileExistsError& error) {
        throw SheetError(SheetError::Kind::kWorkbookExists, Utf8(target), error.what());
    } catch (const xlsx::WorkbookError& error) {
        throw SheetError(SheetError::Kind::kSave, Utf8(target), error.what());
    }
}

}  // namespace orvalis::sheet
