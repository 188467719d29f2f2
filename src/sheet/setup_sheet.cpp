#include "sheet/setup_sheet.h"

#include "platform/data_folder.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "sheet/picture_size.h"
#include "sheet/sheet_output.h"

namespace orvalis::sheet {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemplate = "ORVALIS.xlsx";

// Toolpaths 1 to 19 fill the first page's rows 12 to 30; the 20th and later
// go to the continuation page from row 6 on.
constexpr std::size_t kFirstPageRows = 19;
constexpr int kFirstPageRowBefore = 11;
constexpr int kSecondPageRowShift = 14;

// Where each written grid column goes; the host's toolpath name (column 1)
// goes nowhere. The pages differ from column K on.
struct ToolpathColumn {
    int grid_column;
    const char* first_page;
    const char* second_page;
};
constexpr ToolpathColumn kToolpathColumns[] = {
    {2, "A", "A"}, {3, "D", "D"}, {4, "F", "F"},  {5, "G", "G"},  {6, "H", "H"},  {7, "I", "I"},
    {8, "J", "J"}, {9, "M", "K"}, {10, "N", "L"}, {11, "O", "M"}, {12, "P", "N"}, {13, "R", "P"},
};

struct HeaderCells {
    const char* company;
    const char* work_offset;
    const char* item;
    const char* part_name;
    const char* file_location;
};
constexpr HeaderCells kFirstPageHeader{"C2", "M2", "C3", "M3", "D33"};
constexpr HeaderCells kSecondPageHeader{"C2", "K2", "C3", "K3", "C41"};

void WriteHeader(Worksheet& sheet, const HeaderCells& cells, const SheetHeader& header) {
    sheet.SetText(cells.company, header.company);
    sheet.SetText(cells.work_offset, header.work_offset);
    sheet.SetText(cells.item, header.item);
    sheet.SetText(cells.part_name, header.part_name);
    sheet.SetText(cells.file_location, header.file_location);
}

void PlaceViews(Worksheet& sheet, const std::array<int, 8>& sizes) {
    const PicturePlacement placements[] = {
        {kTopBitmap, "B5", 30, 0, sizes[0], sizes[1], "TOP"},
        {kIsoBitmap, "L5", 40, 0, sizes[2], sizes[3], "ISO"},
        {kFrontBitmap, "B8", 30, 0, sizes[4], sizes[5], "Front"},
        {kRightBitmap, "L8", 40, 0, sizes[6], sizes[7], "Right"},
    };
    for (const PicturePlacement& placement : placements) PlacePicture(sheet, placement);
}

void WriteToolpaths(Workbook& book, const std::vector<ToolpathRow>& rows) {
    for (std::size_t written = 0; written < rows.size(); ++written) {
        int toolpath = static_cast<int>(written) + 1;
        bool first_page = written < kFirstPageRows;
        Worksheet& sheet = book.Sheet(first_page ? 1 : 2);
        int row = first_page ? kFirstPageRowBefore + toolpath : toolpath - kSecondPageRowShift;
        for (const ToolpathColumn& column : kToolpathColumns) {
            std::string cell =
                (first_page ? column.first_page : column.second_page) + std::to_string(row);
            sheet.SetText(cell, rows[written][static_cast<std::size_t>(column.grid_column - 1)]);
        }
    }
}

}  // namespace

std::string SetupSheetTemplateFile() {
    return DataPath(kTemplate);
}

std::string SetupSheetName(const std::string& name_prefix, const std::string& first_nc_name) {
    return name_prefix.empty() ? first_nc_name : name_prefix;
}

fs::path WriteSetupSheet(const SetupSheetInput& input) {
    std::array<int, 8> sizes = PictureSizesInPoints(input.picture_sizes);
    fs::path target =
        WorkbookTarget(input.target_folder, SetupSheetName(input.name_prefix, input.first_nc_name),
                       ExtensionOf(kTemplate));
    RefuseToReplace(target, input.overwrite);
    const SheetHeader& header = input.header;
    RefuseOverlongText(
        {header.company, header.work_offset, header.item, header.part_name, header.file_location});
    for (const ToolpathRow& row : input.rows) {
        for (const std::string& text : row) RefuseOverlongText({text});
    }

    Workbook book = OpenTemplate(kTemplate);
    std::string template_file = Utf8(ResolvePath(SetupSheetTemplateFile()));
    EditTemplate(template_file, [&] {
        if (book.SheetCount() < 2) {
            throw WorkbookError(template_file, "템플릿에 두 번째 시트가 없습니다");
        }
        PlaceViews(book.Sheet(1), sizes);
        WriteHeader(book.Sheet(1), kFirstPageHeader, input.header);
        book.Select(1, "A12");
        WriteToolpaths(book, input.rows);
        if (input.rows.size() >= kFirstPageRows) {
            WriteHeader(book.Sheet(2), kSecondPageHeader, input.header);
            book.Select(1, "C2");
        }
    });
    SaveWorkbook(book, target, input.overwrite);
    return target;
}

}  // namespace orvalis::sheet
