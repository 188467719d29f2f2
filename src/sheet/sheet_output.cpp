#include "sheet/sheet_output.h"

#include <system_error>

#include "platform/atomic_file.h"
#include "platform/data_folder.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "sheet/bmp_image.h"
#include "sheet/picture_size.h"
#include "sheet/png_encode.h"

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

// Characters no file name may hold, here or where the workbook is opened.
bool CanBeFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
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
    if (!CanBeFileName(name)) {
        throw SheetError(
            SheetError::Kind::kWorkbookName, name,
            name.empty() ? "the workbook has no name" : "\"" + name + "\" cannot be a file name");
    }
    std::string file = name;
    if (!EndsWithIgnoringCase(file, extension)) file += extension;
    return NativePath(folder) / NativePath(file);
}

void RefuseToReplace(const fs::path& target, bool overwrite) {
    if (!overwrite && Exists(target)) {
        throw SheetError(SheetError::Kind::kWorkbookExists, Utf8(target),
                         "the workbook exists already");
    }
}

Workbook OpenTemplate(std::string_view data_file) {
    fs::path file = ResolvePath(DataPath(data_file));
    try {
        return Workbook::Open(file);
    } catch (const WorkbookError& error) {
        throw SheetError(SheetError::Kind::kTemplate, Utf8(file), error.what());
    }
}

void PlacePicture(Worksheet& sheet, const PicturePlacement& placement) {
    fs::path file = ResolvePath(DataPath(placement.bitmap));
    std::string png;
    try {
        auto bytes = ReadFileBytes(file);
        if (!bytes) throw WorkbookError(Utf8(file), "the picture is missing");
        png = EncodePng(DecodeBmp(*bytes, Utf8(file)), Utf8(file));
    } catch (const WorkbookError& error) {
        throw SheetError(SheetError::Kind::kBitmap, Utf8(file), error.what());
    }
    PictureFrame frame;
    frame.left = RoundHalfEven(sheet.CellLeft(placement.anchor) + placement.offset_x);
    frame.top = RoundHalfEven(sheet.CellTop(placement.anchor) + placement.offset_y);
    frame.width = placement.width;
    frame.height = placement.height;
    sheet.InsertPicture(std::move(png), frame, placement.description);
}

void SaveWorkbook(Workbook& book, const fs::path& target, bool overwrite) {
    RefuseToReplace(target, overwrite);
    try {
        book.SaveAs(target);
    } catch (const WorkbookError& error) {
        throw SheetError(SheetError::Kind::kSave, Utf8(target), error.what());
    }
}

}  // namespace orvalis::sheet
