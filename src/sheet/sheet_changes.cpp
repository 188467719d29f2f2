#include "sheet/sheet_changes.h"

#include <algorithm>
#include <deque>
#include <map>
#include <optional>

namespace orvalis::sheet {

namespace {

// The old row each new row is the same toolpath as, if any.
using Partners = std::vector<std::optional<std::size_t>>;

bool AllNamed(const std::vector<SheetRow>& rows) {
    return std::all_of(rows.begin(), rows.end(),
                       [](const SheetRow& row) { return !row.toolpath.empty(); });
}

// Every written value but the NC name.
bool SameValues(const SheetRow& before, const SheetRow& after) {
    return std::equal(before.cells.begin() + 1, before.cells.end(), after.cells.begin() + 1);
}

std::vector<CellChange> ChangedCells(const SheetRow& before, const SheetRow& after,
                                     bool by_host_name) {
    std::vector<CellChange> cells;
    if (by_host_name && before.toolpath != after.toolpath) {
        cells.push_back({survey::kHostName, before.toolpath, after.toolpath});
    }
    for (int column = survey::kNcName; column <= survey::kCuttingType; ++column) {
        if (before.Cell(column) != after.Cell(column)) {
            cells.push_back({column, before.Cell(column), after.Cell(column)});
        }
    }
    return cells;
}

// The n-th row of a key matches the n-th row of that key before (NC names
// need not be unique, nor host names in a hand-made grid).
void PairByKey(const std::vector<SheetRow>& before, const std::vector<SheetRow>& after,
               bool by_nc_name, Partners& partners) {
    auto key = [by_nc_name](const SheetRow& row) -> const std::string& {
        return by_nc_name ? row.nc_name() : row.toolpath;
    };
    std::map<std::string, std::deque<std::size_t>> unmatched;
    for (std::size_t index = 0; index < before.size(); ++index) {
        unmatched[key(before[index])].push_back(index);
    }
    for (std::size_t index = 0; index < after.size(); ++index) {
        auto found = unmatched.find(key(after[index]));
        if (found == unmatched.end() || found->second.empty()) continue;
        partners[index] = found->second.front();
        found->second.pop_front();
    }
}

// The rename window renames toolpaths without touching their values or
// order: among the rows left over on both sides, the longest run of rows
// with the same values in the same order pairs renamed toolpaths.
void PairRenamed(const std::vector<SheetRow>& before, const std::vector<SheetRow>& after,
                 Partners& partners) {
    std::vector<bool> taken(before.size(), false);
    for (const auto& partner : partners) {
        if (partner) taken[*partner] = true;
    }
    std::vector<std::size_t> olds, news;
    for (std::size_t index = 0; index < before.size(); ++index) {
        if (!taken[index]) olds.push_back(index);
    }
    for (std::size_t index = 0; index < after.size(); ++index) {
        if (!partners[index]) news.push_back(index);
    }
    auto same = [&](std::size_t i, std::size_t j) {
        return SameValues(before[olds[i]], after[news[j]]);
    };
    // longest[i][j]: the most pairs among olds from i and news from j.
    std::vector<std::vector<std::size_t>> longest(olds.size() + 1,
                                                  std::vector<std::size_t>(news.size() + 1, 0));
    for (std::size_t i = olds.size(); i-- > 0;) {
        for (std::size_t j = news.size(); j-- > 0;) {
            longest[i][j] = same(i, j) ? longest[i + 1][j + 1] + 1
                                       : std::max(longest[i + 1][j], longest[i][j + 1]);
        }
    }
    for (std::size_t i = 0, j = 0; i < olds.size() && j < news.size();) {
        if (same(i, j)) {
            partners[news[j++]] = olds[i++];
        } else if (longest[i + 1][j] >= longest[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
}

std::string Shown(const std::string& value) {
    return value.empty() ? "(없음)" : value;
}

std::string ChangedLine(const ChangedRow& changed, const std::vector<SheetRow>& after) {
    std::string line = "바뀜 " + RowLabel(after[changed.row]) + ": ";
    for (std::size_t i = 0; i < changed.cells.size(); ++i) {
        const CellChange& cell = changed.cells[i];
        line += (i == 0 ? "" : ", ") + std::string(ColumnHeading(cell.grid_column)) + " " +
                Shown(cell.before) + " → " + Shown(cell.after);
    }
    return line;
}

}  // namespace

const std::string& SheetRow::Cell(int grid_column) const {
    return cells.at(static_cast<std::size_t>(grid_column - kFirstWrittenColumn));
}

SheetChanges CompareSheetRows(const std::vector<SheetRow>& before,
                              const std::vector<SheetRow>& after) {
    SheetChanges changes;
    changes.matched_by_nc_name = !AllNamed(before) || !AllNamed(after);
    bool by_host_name = !changes.matched_by_nc_name;
    Partners partners(after.size());
    PairByKey(before, after, changes.matched_by_nc_name, partners);
    if (by_host_name) PairRenamed(before, after, partners);

    std::vector<bool> matched(before.size(), false);
    for (std::size_t index = 0; index < after.size(); ++index) {
        if (!partners[index]) {
            changes.added.push_back(index);
            continue;
        }
        matched[*partners[index]] = true;
        std::vector<CellChange> cells =
            ChangedCells(before[*partners[index]], after[index], by_host_name);
        if (!cells.empty()) changes.changed.push_back({index, std::move(cells)});
    }
    for (std::size_t index = 0; index < before.size(); ++index) {
        if (!matched[index]) changes.removed.push_back(before[index]);
    }
    return changes;
}

std::string ChangeSummary(const SheetChanges& changes) {
    return "변경: 바뀜 " + std::to_string(changes.changed.size()) + "개, 새 툴패스 " +
           std::to_string(changes.added.size()) + "개, 삭제 " +
           std::to_string(changes.removed.size()) + "개";
}

std::vector<std::string> ChangeLines(const SheetChanges& changes,
                                     const std::vector<SheetRow>& after) {
    std::vector<std::string> lines{ChangeSummary(changes)};
    if (changes.matched_by_nc_name) {
        lines.push_back("툴패스 이름을 모르는 시트라 NC 이름으로 맞추었습니다");
    }
    for (const ChangedRow& changed : changes.changed) lines.push_back(ChangedLine(changed, after));
    for (std::size_t index : changes.added) lines.push_back("새 툴패스 " + RowLabel(after[index]));
    for (const SheetRow& row : changes.removed) lines.push_back("삭제 " + RemovedRowLabel(row));
    return lines;
}

std::string RowLabel(const SheetRow& row) {
    if (row.toolpath.empty()) return row.nc_name();
    if (row.toolpath == row.nc_name()) return row.toolpath;
    return row.toolpath + " (" + row.nc_name() + ")";
}

std::string RemovedRowLabel(const SheetRow& row) {
    if (row.toolpath.empty() || row.toolpath == row.nc_name()) return RowLabel(row);
    return row.toolpath + " (이전 " + row.nc_name() + ")";
}

std::string_view ColumnHeading(int grid_column) {
    static constexpr std::string_view kHeadings[] = {
        "툴패스 이름", "NC 이름",  "공구",     "여유량",   "스텝다운", "스텝오버", "최저점",
        "가공시간",    "공구길이", "샹크길이", "홀더길이", "홀더경",   "절삭타입"};
    auto index = static_cast<std::size_t>(grid_column - survey::kHostName);
    return index < std::size(kHeadings) ? kHeadings[index] : "";
}

}  // namespace orvalis::sheet
