#include "sheet/sheet_changes.h"

#include <algorithm>
#include <deque>
#include <map>

#include "forms/joined.h"

namespace orvalis::sheet {

namespace {

constexpr int kNcNameColumn = 2;
constexpr int kLastColumn = kFirstWrittenColumn + static_cast<int>(kWrittenColumns) - 1;

bool AllNamed(const std::vector<SheetRow>& rows) {
    return std::all_of(rows.begin(), rows.end(),
                       [](const SheetRow& row) { return !row.toolpath.empty(); });
}

std::vector<CellChange> ChangedCells(const SheetRow& before, const SheetRow& after) {
    std::vector<CellChange> cells;
    for (int column = kNcNameColumn + 1; column <= kLastColumn; ++column) {
        if (before.Cell(column) != after.Cell(column)) {
            cells.push_back({column, before.Cell(column), after.Cell(column)});
        }
    }
    return cells;
}

std::string Shown(const std::string& value) {
    return value.empty() ? "(없음)" : value;
}

std::string ChangedLine(const ChangedRow& changed, const std::vector<SheetRow>& after) {
    std::vector<std::string> cells;
    for (const CellChange& cell : changed.cells) {
        cells.push_back(std::string(ColumnHeading(cell.grid_column)) + " " + Shown(cell.before) +
                        " → " + Shown(cell.after));
    }
    return "바뀜 " + RowLabel(after[changed.row]) + ": " + forms::Joined(cells, ", ");
}

}  // namespace

const std::string& SheetRow::Cell(int grid_column) const {
    return cells.at(static_cast<std::size_t>(grid_column - kFirstWrittenColumn));
}

SheetChanges CompareSheetRows(const std::vector<SheetRow>& before,
                              const std::vector<SheetRow>& after) {
    SheetChanges changes;
    changes.matched_by_nc_name = !AllNamed(before) || !AllNamed(after);
    auto key = [&changes](const SheetRow& row) -> const std::string& {
        return changes.matched_by_nc_name ? row.nc_name() : row.toolpath;
    };
    // A name may stand on several rows (NC names need not be unique): the
    // n-th row of a name matches the n-th row of that name before.
    std::map<std::string, std::deque<std::size_t>> unmatched;
    for (std::size_t index = 0; index < before.size(); ++index) {
        unmatched[key(before[index])].push_back(index);
    }
    std::vector<bool> matched(before.size(), false);
    for (std::size_t index = 0; index < after.size(); ++index) {
        auto found = unmatched.find(key(after[index]));
        if (found == unmatched.end() || found->second.empty()) {
            changes.added.push_back(index);
            continue;
        }
        std::size_t old_index = found->second.front();
        found->second.pop_front();
        matched[old_index] = true;
        std::vector<CellChange> cells = ChangedCells(before[old_index], after[index]);
        if (!cells.empty()) changes.changed.push_back({index, std::move(cells)});
    }
    for (std::size_t index = 0; index < before.size(); ++index) {
        if (!matched[index]) changes.removed.push_back(before[index]);
    }
    return changes;
}

std::string ChangeSummary(const SheetChanges& changes) {
    return "변경: " + std::to_string(changes.changed.size()) + " toolpaths, " +
           std::to_string(changes.added.size()) + " new, " +
           std::to_string(changes.removed.size()) + " removed";
}

std::vector<std::string> ChangeLines(const SheetChanges& changes,
                                     const std::vector<SheetRow>& after) {
    std::vector<std::string> lines{ChangeSummary(changes)};
    if (changes.matched_by_nc_name) {
        lines.push_back("툴패스 이름을 모르는 시트라 NC 이름으로 맞추었습니다");
    }
    for (const ChangedRow& changed : changes.changed) lines.push_back(ChangedLine(changed, after));
    for (std::size_t index : changes.added) lines.push_back("새 툴패스 " + RowLabel(after[index]));
    for (const SheetRow& row : changes.removed) lines.push_back("삭제 " + RowLabel(row));
    return lines;
}

std::string RowLabel(const SheetRow& row) {
    if (row.toolpath.empty()) return row.nc_name();
    if (row.toolpath == row.nc_name()) return row.toolpath;
    return row.toolpath + " (" + row.nc_name() + ")";
}

std::string_view ColumnHeading(int grid_column) {
    static constexpr std::string_view kHeadings[] = {"공구",     "여유량",   "스텝다운", "스텝오버",
                                                     "최저점",   "가공시간", "공구길이", "샹크길이",
                                                     "홀더길이", "홀더경",   "절삭타입"};
    int index = grid_column - (kNcNameColumn + 1);
    if (index < 0 || index >= static_cast<int>(std::size(kHeadings))) return "NC 이름";
    return kHeadings[index];
}

}  // namespace orvalis::sheet
