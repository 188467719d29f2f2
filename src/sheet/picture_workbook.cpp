#include "sheet/picture_workbook.h"

#include "data_files/data_folder.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "sheet/sheet_output.h"

namespace orvalis::sheet {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemplate = "IMAGE.xlsx";
constexpr int kWidth = 300;
constexpr int kHeight = 200;

void PlaceViews(xlsx::Worksheet& sheet) {
    const PicturePlacement placements[] = {
        {kTopBitmap, "E1", 5, 25, kWidth, kHeight, "TOP"},
        {kIsoBitmap, "G1", 5, 25, kWidth, kHeight, "ISO"},
        {kFrontBitmap, "E12", 5, 25, kWidth, kHeight, "Front"},
        {kRightBitmap, "G12", 5, 25, kWidth, kHeight, "Right"},
    };
    for (const PicturePlacement& placement : placements) PlacePicture(sheet, placement);
}

}  // namespace

std::string PictureWorkbookTemplateFile() {
    return DataPath(kTemplate);
}

fs::path WritePictureWorkbook(const PictureWorkbookInput& input) {
    fs::path target =
        WorkbookTarget(input.target_folder, kPictureWorkbookName, ExtensionOf(kTemplate));
    RefuseToReplace(target, input.overwrite);
    RefuseOverlongText({input.item, input.part_name});

    xlsx::Workbook book = OpenTemplate(kTemplate);
    EditTemplate(Utf8(ResolvePath(PictureWorkbookTemplateFile())), [&] {
        xlsx::Worksheet& sheet = book.Sheet(1);
        PlaceViews(sheet);
        sheet.SetText("C1", input.item);
        sheet.SetText("B4", input.part_name);
        book.Select(1, "B4");
    });
    SaveWorkbook(book, target, input.overwrite);
    return target;
}

}  // namespace orvalis::sheet
