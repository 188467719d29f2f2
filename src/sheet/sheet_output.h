#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "sheet/sheet_error.h"
#include "xlsx/workbook.h"
#include "xlsx/workbook_error.h"

namespace orvalis::sheet {

// The steps the setup sheet and the picture workbook share. Each failure is
// a SheetError that says which input or file failed.

// The four captured views in the data folder, in the order they are placed.
inline constexpr std::string_view kTopBitmap = "IMAGE\\top.bmp";
inline constexpr std::string_view kIsoBitmap = "IMAGE\\ISO.bmp";
inline constexpr std::string_view kFrontBitmap = "IMAGE\\Front.bmp";
inline constexpr std::string_view kRightBitmap = "IMAGE\\Right.bmp";

// The extension of a template's file name (".xlsx"), which the saved
// workbook keeps.
std::string ExtensionOf(std::string_view file_name);

// `folder` / `name` + `extension` (the extension is not doubled when the
// name ends with it). Throws kWorkbookName for an empty name or one that
// cannot be a file name.
std::filesystem::path WorkbookTarget(const std::string& folder, const std::string& name,
                                     std::string_view extension);

// Throws kWorkbookExists when `target` exists and may not be replaced.
void RefuseToReplace(const std::filesystem::path& target, bool overwrite);

// The most characters a spreadsheet cell holds; a longer text would be cut
// or make the spreadsheet repair the file.
inline constexpr std::size_t kMaxCellText = 32767;

// Throws kCellText for the first text longer than a cell holds, before
// anything is written.
void RefuseOverlongText(std::initializer_list<std::string_view> texts);

// Opens a template of the data folder ("ORVALIS.xlsx"). Throws kTemplate.
xlsx::Workbook OpenTemplate(std::string_view data_file);

struct PicturePlacement {
    std::string_view bitmap;  // below the data folder
    std::string_view anchor;  // cell whose left and top edge the offsets start from
    double offset_x = 0;      // points
    double offset_y = 0;
    int width = 0;  // points
    int height = 0;
    std::string_view description;
};

// Inserts the view bitmap into the sheet at the anchor's edges plus the
// offsets, each rounded to whole points, halves to even. Throws kBitmap.
void PlacePicture(xlsx::Worksheet& sheet, const PicturePlacement& placement);

// Writes the workbook to `target` through a temporary file. Throws kSave, or
// kWorkbookExists when the file appeared meanwhile and may not be replaced.
void SaveWorkbook(xlsx::Workbook& book, const std::filesystem::path& target, bool overwrite);

// Runs `edit` on the opened template; a damaged part it meets is a kTemplate
// failure of `template_file`.
template <typename Edit>
void EditTemplate(const std::string& template_file, Edit&& edit) {
    try {
        edit();
    } catch (const xlsx::WorkbookError& error) {
        throw SheetError(SheetError::Kind::kTemplate, template_file, error.what());
    }
}

}  // namespace orvalis::sheet
