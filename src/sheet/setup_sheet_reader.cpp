#include "sheet/setup_sheet_reader.h"

#include <algorithm>

#include "platform/native_path.h"
#include "sheet/sheet_row_names.h"
#include "xlsx/workbook_error.h"

namespace orvalis::sheet {

namespace {

// The pages the rows need: the continuation page only when the sheet has one.
int PagesOf(xlsx::Workbook& book) {
    return std::min(book.SheetCount(), 2);
}

std::string Heading(xlsx::Workbook& book, int page, int grid_column) {
    ToolpathCell cell = HeadingCellOf(page, grid_column);
    return book.Sheet(cell.page).Text(cell.address);
}

}  // namespace

std::vector<SheetRow> ReadSheetRows(xlsx::Workbook& book) {
    std::optional<std::vector<std::string>> names = RecordedRowNames(book);
    std::vector<SheetRow> rows;
    int pages = PagesOf(book);
    for (std::size_t toolpath = 1; toolpath <= kSheetToolpaths; ++toolpath) {
        if (ToolpathCellOf(toolpath, kFirstWrittenColumn).page > pages) break;
        SheetRow row;
        bool any = false;
        for (std::size_t column = 0; column < kWrittenColumns; ++column) {
            ToolpathCell cell =
                ToolpathCellOf(toolpath, kFirstWrittenColumn + static_cast<int>(column));
            row.cells[column] = book.Sheet(cell.page).Text(cell.address);
            any = any || !row.cells[column].empty();
        }
        // A row the sheet recorded is a row even when empty (written before
        // its survey ran), so that it is not taken for new on the next sheet.
        bool recorded = names && toolpath <= names->size();
        if (!any && !recorded) continue;
        if (recorded) row.toolpath = (*names)[toolpath - 1];
        rows.push_back(std::move(row));
    }
    return rows;
}

void RequireSameLayout(xlsx::Workbook& reference, xlsx::Workbook& book,
                       const std::string& book_origin) {
    int pages = PagesOf(reference);
    if (PagesOf(book) < pages) {
        throw xlsx::WorkbookError(book_origin, "시트가 " + std::to_string(book.SheetCount()) +
                                                   "장뿐이라 이 템플릿의 작업 지시서가 아닙니다");
    }
    for (int page = 1; page <= pages; ++page) {
        for (std::size_t column = 0; column < kWrittenColumns; ++column) {
            int grid_column = kFirstWrittenColumn + static_cast<int>(column);
            std::string expected = Heading(reference, page, grid_column);
            std::string found = Heading(book, page, grid_column);
            if (found != expected) {
                throw xlsx::WorkbookError(
                    book_origin, "다른 템플릿의 시트입니다 (" + std::to_string(page) + "쪽 " +
                                     HeadingCellOf(page, grid_column).address + " 칸이 '" +
                                     expected + "'이(가) 아니라 '" + found + "')");
            }
        }
    }
}

SheetComparison CompareWithSheet(xlsx::Workbook& layout, xlsx::Workbook& before,
                                 const std::string& before_origin, std::vector<SheetRow> after) {
    RequireSameLayout(layout, before, before_origin);
    SheetComparison comparison{ReadSheetRows(before), std::move(after), {}};
    comparison.changes = CompareSheetRows(comparison.before, comparison.after);
    return comparison;
}

void RequireSetupSheet(xlsx::Workbook& book, const std::string& book_origin) {
    if (book.SheetCount() < 2) {
        throw xlsx::WorkbookError(book_origin, "작업 지시서가 아닙니다 (계속 쪽이 없는 " +
                                                   std::to_string(book.SheetCount()) +
                                                   "장짜리 통합 문서)");
    }
    for (int page = 1; page <= 2; ++page) {
        for (std::size_t column = 0; column < kWrittenColumns; ++column) {
            int grid_column = kFirstWrittenColumn + static_cast<int>(column);
            if (Heading(book, page, grid_column).empty()) {
                throw xlsx::WorkbookError(
                    book_origin, "작업 지시서가 아닙니다 (" + std::to_string(page) + "쪽 " +
                                     HeadingCellOf(page, grid_column).address +
                                     " 칸에 표 제목이 없습니다)");
            }
        }
    }
}

SheetComparison CompareSetupSheets(const std::filesystem::path& before,
                                   const std::filesystem::path& after) {
    xlsx::Workbook old_book = xlsx::Workbook::Open(before);
    xlsx::Workbook new_book = xlsx::Workbook::Open(after);
    // Each file is named for itself: a picture workbook given as the new one
    // must not read as an old sheet of another template.
    RequireSetupSheet(old_book, Utf8(before));
    RequireSetupSheet(new_book, Utf8(after));
    return CompareWithSheet(new_book, old_book, Utf8(before), ReadSheetRows(new_book));
}

}  // namespace orvalis::sheet
