#include "sheet/setup_sheet.h"

#include <system_error>

#include "data_files/data_folder.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "sheet/picture_size.h"
#include "sheet/setup_sheet_layout.h"
#include "sheet/sheet_marks.h"
#include "sheet/sheet_output.h"
#include "sheet/sheet_row_names.h"
#include "sheet/sheet_totals.h"
#include "xlsx/cell_ref.h"

namespace orvalis::sheet {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemplate = "ORVALIS.xlsx";

struct HeaderCells {
    const char* company;
    const char* work_offset;
    const char* item;
    const char* part_name;
    const char* file_location;  // where a template without the caption has it
};
constexpr HeaderCells kFirstPageHeader{"C2", "M2", "C3", "M3", "D33"};
constexpr HeaderCells kSecondPageHeader{"C2", "K2", "C3", "K3", "C41"};

constexpr std::string_view kFileLocationCaption = "파일 위치";

// The cell right of the template's "파일 위치" caption (of its merged range),
// wherever the template has it: the shipped one keeps it below the table,
// a shop's older one beside the continuation page's last rows.
std::string FileLocationCell(xlsx::Worksheet& sheet, const char* without_caption) {
    std::optional<std::string> caption = sheet.FindText(kFileLocationCaption);
    if (!caption) return without_caption;
    xlsx::CellRef last = xlsx::ParseCellRef(sheet.MergedFrom(*caption).back());
    return xlsx::FormatCellRef({last.column + 1, last.row});
}

// Written before the toolpaths, whose texts could read as the caption.
void WriteHeader(xlsx::Worksheet& sheet, const HeaderCells& cells, const SheetHeader& header) {
    sheet.SetText(cells.company, header.company);
    sheet.SetText(cells.work_offset, header.work_offset);
    sheet.SetText(cells.item, header.item);
    sheet.SetText(cells.part_name, header.part_name);
    sheet.SetText(FileLocationCell(sheet, cells.file_location), header.file_location);
}

// The top pictures start 2 points below their row's edge, so the picture
// frame's medium top border shows above them.
void PlaceViews(xlsx::Worksheet& sheet, const std::array<int, 8>& sizes) {
    const PicturePlacement placements[] = {
        {kTopBitmap, "B5", 30, 2, sizes[0], sizes[1], "TOP"},
        {kIsoBitmap, "L5", 40, 2, sizes[2], sizes[3], "ISO"},
        {kFrontBitmap, "B8", 30, 0, sizes[4], sizes[5], "Front"},
        {kRightBitmap, "L8", 40, 0, sizes[6], sizes[7], "Right"},
    };
    for (const PicturePlacement& placement : placements) PlacePicture(sheet, placement);
}

// The table rows as the sheet will hold them, with their host names.
std::vector<SheetRow> SheetRowsOf(const std::vector<survey::ToolpathRecord>& rows) {
    std::vector<SheetRow> sheet_rows;
    for (const survey::ToolpathRecord& row : rows) {
        SheetRow sheet_row;
        sheet_row.toolpath = row.host_name;
        for (std::size_t column = 0; column < kWrittenColumns; ++column) {
            sheet_row.cells[column] = row.Text(WrittenColumn(column));
        }
        sheet_rows.push_back(std::move(sheet_row));
    }
    return sheet_rows;
}

void WriteToolpaths(xlsx::Workbook& book, const std::vector<SheetRow>& rows) {
    std::vector<std::string> names;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        for (std::size_t column = 0; column < kWrittenColumns; ++column) {
            ToolpathCell cell =
                ToolpathCellOf(index + 1, kFirstWrittenColumn + static_cast<int>(column));
            book.Sheet(cell.page).SetText(cell.address, rows[index].cells[column]);
        }
        names.push_back(rows[index].toolpath);
    }
    RecordRowNames(book, names);
}

// The sheet that `target` replaces, read before it is gone. Nothing when
// there is none; `skipped` says why one that is there cannot be compared.
std::optional<xlsx::Workbook> OpenReplacedSheet(const fs::path& target, std::string& skipped) {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(target, error))) return std::nullopt;
    try {
        return xlsx::Workbook::Open(target);
    } catch (const xlsx::WorkbookError& failure) {
        skipped =
            "바꾼 시트를 읽을 수 없어 변경 표시 없이 썼습니다: " + std::string(failure.what());
        return std::nullopt;
    }
}

// The replaced sheet's rows against the new ones; nothing, with `skipped`
// saying why, when the old sheet is damaged or from another template.
std::optional<SheetComparison> CompareWithReplaced(xlsx::Workbook& replaced,
                                                   xlsx::Workbook& template_book,
                                                   const fs::path& target,
                                                   const std::vector<SheetRow>& rows,
                                                   std::string& skipped) {
    try {
        return CompareWithSheet(template_book, replaced, Utf8(target), rows);
    } catch (const xlsx::WorkbookError& failure) {
        skipped =
            "바꾼 시트와 비교할 수 없어 변경 표시 없이 썼습니다: " + std::string(failure.what());
        return std::nullopt;
    }
}

void RefuseOverlongInput(const SetupSheetInput& input) {
    const SheetHeader& header = input.header;
    RefuseOverlongText(
        {header.company, header.work_offset, header.item, header.part_name, header.file_location});
    for (const survey::ToolpathRecord& row : input.rows) {
        for (int column = survey::kHostName; column <= survey::kCuttingType; ++column) {
            RefuseOverlongText({row.Text(static_cast<survey::Column>(column))});
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

SetupSheetResult WriteSetupSheet(const SetupSheetInput& input) {
    std::array<int, 8> sizes = PictureSizesInPoints(input.picture_sizes);
    SetupSheetResult result;
    result.file =
        WorkbookTarget(input.target_folder, SetupSheetName(input.name_prefix, input.first_nc_name),
                       ExtensionOf(kTemplate));
    RefuseToReplace(result.file, input.overwrite);
    RefuseOverlongInput(input);
    std::vector<SheetRow> rows = SheetRowsOf(input.rows);

    xlsx::Workbook book = OpenTemplate(kTemplate);
    if (input.overwrite && input.mark_changes) {
        if (auto replaced = OpenReplacedSheet(result.file, result.marks_skipped)) {
            result.comparison =
                CompareWithReplaced(*replaced, book, result.file, rows, result.marks_skipped);
        }
    }
    std::string template_file = Utf8(ResolvePath(SetupSheetTemplateFile()));
    EditTemplate(template_file, [&] {
        if (book.SheetCount() < 2) {
            throw xlsx::WorkbookError(template_file, "템플릿에 두 번째 시트가 없습니다");
        }
        PlaceViews(book.Sheet(1), sizes);
        WriteHeader(book.Sheet(1), kFirstPageHeader, input.header);
        book.Select(1, "A12");
        if (input.rows.size() >= kFirstPageRows) {
            WriteHeader(book.Sheet(2), kSecondPageHeader, input.header);
            book.Select(1, "C2");
        }
        WriteToolpaths(book, rows);
        WriteTotals(book.Sheet(1), TotalsOf(input.rows));
        if (result.comparison) MarkChanges(book, result.comparison->changes, rows.size());
    });
    SaveWorkbook(book, result.file, input.overwrite);
    return result;
}

}  // namespace orvalis::sheet
