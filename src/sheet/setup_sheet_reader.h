#pragma once

#include <filesystem>
#include <vector>

#include "sheet/sheet_changes.h"
#include "xlsx/workbook.h"

namespace orvalis::sheet {

// Reading back the toolpath rows of setup sheets that ORVALIS wrote, to say
// what changed from one to the next.

// The rows of the sheet, in order; a row slot with no text in any column is
// no row. Rows carry their host toolpath name when the sheet recorded it.
std::vector<SheetRow> ReadSheetRows(xlsx::Workbook& book);

// Throws WorkbookError naming `book_origin` when `book` is not laid out as
// `reference`: fewer pages, or a table heading that reads otherwise, so its
// cells would not mean what the reader takes them for.
void RequireSameLayout(xlsx::Workbook& reference, xlsx::Workbook& book,
                       const std::string& book_origin);

struct SheetComparison {
    std::vector<SheetRow> before;
    std::vector<SheetRow> after;
    SheetChanges changes;
};

// The rows of `before`, a sheet laid out as `layout`, against `after`.
// Throws WorkbookError naming `before_origin` when it is laid out otherwise
// or damaged.
SheetComparison CompareWithSheet(xlsx::Workbook& layout, xlsx::Workbook& before,
                                 const std::string& before_origin, std::vector<SheetRow> after);

// Throws WorkbookError naming `book_origin` when `book` is no setup sheet of
// any template: it lacks the continuation page or a table heading.
void RequireSetupSheet(xlsx::Workbook& book, const std::string& book_origin);

// Compares two sheets written by ORVALIS. Throws WorkbookError naming the
// file that is missing, no workbook, damaged or no setup sheet, or the old
// one when the two are laid out otherwise.
SheetComparison CompareSetupSheets(const std::filesystem::path& before,
                                   const std::filesystem::path& after);

}  // namespace orvalis::sheet
