#include "sheet/sheet_marks.h"

#include <algorithm>

#include "sheet/sheet_output.h"
#include "xlsx/cell_ref.h"

namespace orvalis::sheet {

namespace {

// The most lines the list of removed toolpaths takes below the table: more
// would shrink the printed page past reading; the names after them are
// counted instead.
constexpr int kMostRemovedLines = 12;
// Room above and below the lines of a wrapped cell.
constexpr double kCellPadding = 4;

// The host's toolpath name has no cell: its change is marked on the NC name,
// the name the operator sees.
void FillToolpathCell(xlsx::Workbook& book, std::size_t row, int grid_column,
                      std::string_view argb) {
    ToolpathCell cell = ToolpathCellOf(row + 1, std::max(grid_column, kFirstWrittenColumn));
    book.FillCell(cell.page, cell.address, argb);
}

std::string Counted(std::size_t count) {
    return " 외 " + std::to_string(count) + "개";
}

// "삭제된 툴패스: a (이전 T5), b (이전 T6)", with the names that would not fit
// in the lines the list may take counted instead of named.
std::string RemovedText(xlsx::Worksheet& sheet, const std::string& cell,
                        const std::vector<SheetRow>& removed) {
    auto fits = [&](const std::string& text) {
        return text.size() <= kMaxCellText && sheet.WrappedLines(cell, text) <= kMostRemovedLines;
    };
    std::string text = "삭제된 툴패스: ";
    for (std::size_t index = 0; index < removed.size(); ++index) {
        std::string label = (index > 0 ? ", " : "") + RemovedRowLabel(removed[index]);
        std::size_t after = removed.size() - index - 1;
        if (!fits(text + label + (after > 0 ? Counted(after) : ""))) {
            if (index == 0) return "삭제된 툴패스 " + std::to_string(removed.size()) + "개";
            return text + Counted(removed.size() - index);
        }
        text += label;
    }
    return text;
}

void ListRemoved(xlsx::Workbook& book, const std::vector<SheetRow>& removed, std::size_t rows) {
    int page = LastPageOf(rows);
    xlsx::Worksheet& sheet = book.Sheet(page);
    std::string cell = RemovedNoteCell(page);
    std::string text = RemovedText(sheet, cell, removed);
    sheet.SetText(cell, text);
    book.FillCell(page, cell, kRemovedFill);
    // The row grows to the lines of the list, so the printed page shows it
    // whole rather than its first line.
    int row = xlsx::ParseCellRef(cell).row;
    double needed = sheet.WrappedLines(cell, text) * sheet.LineHeight() + kCellPadding;
    if (needed > sheet.RowHeight(row)) sheet.SetRowHeight(row, needed);
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
