#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "sheet/setup_sheet_layout.h"

namespace orvalis::sheet {

// One toolpath row of a setup sheet: grid columns 2 to 13 as the sheet
// holds them, and the host's toolpath name when the sheet recorded it.
struct SheetRow {
    std::string toolpath;
    std::array<std::string, kWrittenColumns> cells;

    const std::string& nc_name() const { return cells[0]; }
    // The text of grid column 2 to 13.
    const std::string& Cell(int grid_column) const;
};

struct CellChange {
    int grid_column = 0;  // 1 for the host's toolpath name, which no cell shows
    std::string before;
    std::string after;
};

struct ChangedRow {
    std::size_t row = 0;  // index among the new rows
    std::vector<CellChange> cells;
};

// What moved between the sheet that is replaced and the new one. Rows are
// matched by the host's toolpath name; a sheet that did not record the names
// is matched by NC name instead. A changed NC name is a change: after an
// inserted toolpath the program T5 on the machine is another toolpath. Rows
// left over on both sides that hold the same values in the same order are
// toolpaths the host renamed, changed in their name alone.
struct SheetChanges {
    std::vector<ChangedRow> changed;
    std::vector<std::size_t> added;  // indexes among the new rows
    std::vector<SheetRow> removed;   // rows of the old sheet, in its order
    bool matched_by_nc_name = false;

    bool None() const { return changed.empty() && added.empty() && removed.empty(); }
};

SheetChanges CompareSheetRows(const std::vector<SheetRow>& before,
                              const std::vector<SheetRow>& after);

// "변경: 바뀜 3개, 새 툴패스 2개, 삭제 1개".
std::string ChangeSummary(const SheetChanges& changes);

// The summary, then one line per changed, new and removed toolpath.
std::vector<std::string> ChangeLines(const SheetChanges& changes,
                                     const std::vector<SheetRow>& after);

// How a row is named to the operator: its toolpath name, with the NC name in
// brackets when that differs; the NC name alone when the name is unknown.
std::string RowLabel(const SheetRow& row);

// A removed row as RowLabel names it, its NC name said as the one it had
// ("05-FLOOR (이전 T5)").
std::string RemovedRowLabel(const SheetRow& row);

// The heading of grid column 1 to 13 ("툴패스 이름", "NC 이름", "공구" …).
std::string_view ColumnHeading(int grid_column);

}  // namespace orvalis::sheet
