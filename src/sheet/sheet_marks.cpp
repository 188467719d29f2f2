#include "sheet/sheet_marks.h"

#include "sheet/sheet_output.h"

namespace orvalis::sheet {

namespace {

void FillToolpathCell(xlsx::Workbook& book, std::size_t row, int grid_column,
                      std::string_view argb) {
    ToolpathCell cell = ToolpathCellOf(row + 1, grid_column);
    book.FillCell(cell.page, cell.address, argb);
}

// "삭제된 툴패스: a, b", with the names that would overfill the cell counted
// instead of named.
std::string RemovedText(const std::vector<SheetRow>& removed) {
    std::string text = "삭제된 툴패스: ";
    for (std::size_t index = 0; index < removed.size(); ++index) {
        std::string label = (index > 0 ? ", " : "") + RowLabel(removed[index]);
        std::string rest = " 외 " + std::to_string(removed.size() - index) + "개";
        if (text.size() + label.size() + rest.size() > kMaxCellText) return text + rest;
        text += label;
    }
    return text;
}

void ListRemoved(xlsx::Workbook& book, const std::vector<SheetRow>& removed, std::size_t rows) {
    int page = LastPageOf(rows);
    std::string cell = RemovedNoteCell(page);
    book.Sheet(page).SetText(cell, RemovedText(removed));
    book.FillCell(page, cell, kRemovedFill);
    // A template whose print area ends at its table would leave the list off
    // the printed page the operator works from.
    book.IncludeInPrintArea(page, cell);
}

}  // namespace

void MarkChanges(xlsx::Workbook& book, const SheetChanges& changes, std::size_t rows) {
    for (const ChangedRow& changed : changes.changed) {
        for (const CellChange& cell : changed.cells) {
            FillToolpathCell(book, changed.row, cell.grid_column, kChangedFill);
        }
    }
    for (std::size_t row : changes.added) {
        for (std::size_t column = 0; column < kWrittenColumns; ++column) {
            FillToolpathCell(book, row, kFirstWrittenColumn + static_cast<int>(column),
                             kNewRowFill);
        }
    }
    if (!changes.removed.empty()) ListRemoved(book, changes.removed, rows);
}

}  // namespace orvalis::sheet
