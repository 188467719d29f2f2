#include "sheet/sheet_changes.h"

#include <gtest/gtest.h>

#include <map>

namespace orvalis::sheet {
namespace {

// A toolpath row: every grid column holds "c<column>" unless given.
SheetRow Row(std::string toolpath, std::string nc_name, std::map<int, std::string> cells = {}) {
    SheetRow row;
    row.toolpath = std::move(toolpath);
    for (int column = 2; column <= 13; ++column) {
        row.cells[static_cast<std::size_t>(column - 2)] = "c" + std::to_string(column);
    }
    row.cells[0] = std::move(nc_name);
    for (auto& [column, text] : cells) row.cells[static_cast<std::size_t>(column - 2)] = text;
    return row;
}

struct Case {
    const char* what;
    std::vector<SheetRow> before;
    std::vector<SheetRow> after;
    std::vector<std::string> lines;
    bool by_nc_name = false;
    std::vector<std::size_t> changed_rows = {};
    std::vector<std::size_t> added = {};
};

TEST(SheetChanges, RowsAreMatchedByHostNameElseByNcNameAndTheirCellsCompared) {
    const Case cases[] = {
        {"several cells of a row, up to the last column, in column order",
         {Row("A", "N1", {{8, "0:10:00"}, {13, "황삭"}})},
         {Row("A", "N1", {{8, "0:12:30"}, {13, "정삭"}})},
         {"변경: 바뀜 1개, 새 툴패스 0개, 삭제 0개",
          "바뀜 A (N1): 가공시간 0:10:00 → 0:12:30, 절삭타입 황삭 → 정삭"},
         false,
         {0}},
        {"an empty value reads (없음)",
         {Row("A", "N1", {{4, ""}, {5, "0.3"}})},
         {Row("A", "N1", {{4, "0.2"}, {5, ""}})},
         {"변경: 바뀜 1개, 새 툴패스 0개, 삭제 0개",
          "바뀜 A (N1): 여유량 (없음) → 0.2, 스텝다운 0.3 → (없음)"},
         false,
         {0}},
        {"reordered rows: a change is told at its new place",
         {Row("A", "N1"), Row("B", "N2", {{3, "T2"}}), Row("C", "N3", {{6, "0.5"}})},
         {Row("C", "N1", {{6, "0.4"}}), Row("A", "N2"), Row("B", "N3", {{3, "T2"}})},
         {"변경: 바뀜 3개, 새 툴패스 0개, 삭제 0개",
          "바뀜 C (N1): NC 이름 N3 → N1, 스텝오버 0.5 → 0.4", "바뀜 A (N2): NC 이름 N1 → N2",
          "바뀜 B (N3): NC 이름 N2 → N3"},
         false,
         {0, 1, 2}},
        {"renamed, one inserted and one edited: only what pairs is renamed",
         {Row("A", "N1", {{3, "T1"}}), Row("B", "N2", {{3, "T2"}}), Row("C", "N3", {{3, "T3"}})},
         {Row("R1", "N1", {{3, "T1"}}), Row("NEW", "N2", {{3, "T9"}}), Row("R2", "N3", {{3, "T2"}}),
          Row("R3", "N4", {{3, "T3"}, {8, "0:20:00"}})},
         {"변경: 바뀜 2개, 새 툴패스 2개, 삭제 1개", "바뀜 R1 (N1): 툴패스 이름 A → R1",
          "바뀜 R2 (N3): 툴패스 이름 B → R2, NC 이름 N2 → N3", "새 툴패스 NEW (N2)",
          "새 툴패스 R3 (N4)", "삭제 C (이전 N3)"},
         false,
         {0, 2},
         {1, 3}},
        {"pairs keep their order: the longest run in order is paired",
         {Row("A", "N1", {{3, "T1"}}), Row("B", "N2", {{3, "T2"}}), Row("C", "N3", {{3, "T3"}})},
         {Row("Z", "N1", {{3, "T3"}}), Row("X", "N2", {{3, "T1"}}), Row("Y", "N3", {{3, "T2"}})},
         {"변경: 바뀜 2개, 새 툴패스 1개, 삭제 1개",
          "바뀜 X (N2): 툴패스 이름 A → X, NC 이름 N1 → N2",
          "바뀜 Y (N3): 툴패스 이름 B → Y, NC 이름 N2 → N3", "새 툴패스 Z (N1)",
          "삭제 C (이전 N3)"},
         false,
         {1, 2},
         {0}},
        {"an old sheet without names is matched by NC name",
         {Row("", "N1"), Row("", "N2", {{9, "50"}})},
         {Row("A", "N1"), Row("B", "N2", {{9, "75"}})},
         {"변경: 바뀜 1개, 새 툴패스 0개, 삭제 0개",
          "툴패스 이름을 모르는 시트라 NC 이름으로 맞추었습니다", "바뀜 B (N2): 공구길이 50 → 75"},
         true,
         {1}},
        {"one unnamed new row is enough to match by NC name",
         {Row("A", "N1"), Row("B", "N2")},
         {Row("A", "N1"), Row("", "N2")},
         {"변경: 바뀜 0개, 새 툴패스 0개, 삭제 0개",
          "툴패스 이름을 모르는 시트라 NC 이름으로 맞추었습니다"},
         true},
        {"matched by NC name, a renumbering reads as new and removed",
         {Row("", "N1")},
         {Row("A", "N2")},
         {"변경: 바뀜 0개, 새 툴패스 1개, 삭제 1개",
          "툴패스 이름을 모르는 시트라 NC 이름으로 맞추었습니다", "새 툴패스 A (N2)", "삭제 N1"},
         true,
         {},
         {0}},
        {"duplicate NC names match the n-th to the n-th",
         {Row("", "N1", {{3, "T1"}}), Row("", "N1", {{3, "T2"}})},
         {Row("A", "N1", {{3, "T1"}}), Row("B", "N1", {{3, "T3"}}), Row("C", "N1", {{3, "T4"}})},
         {"변경: 바뀜 1개, 새 툴패스 1개, 삭제 0개",
          "툴패스 이름을 모르는 시트라 NC 이름으로 맞추었습니다", "바뀜 B (N1): 공구 T2 → T3",
          "새 툴패스 C (N1)"},
         true,
         {1},
         {2}},
        {"a name that is its NC name is told once",
         {Row("N1", "N1"), Row("N2", "N2")},
         {Row("N2", "N2", {{7, "-12.5"}})},
         {"변경: 바뀜 1개, 새 툴패스 0개, 삭제 1개", "바뀜 N2: 최저점 c7 → -12.5", "삭제 N1"},
         false,
         {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SheetChanges changes = CompareSheetRows(c.before, c.after);
        EXPECT_EQ(ChangeLines(changes, c.after), c.lines);
        EXPECT_EQ(changes.matched_by_nc_name, c.by_nc_name);
        EXPECT_EQ(changes.None(), c.lines.size() == 1 + (c.by_nc_name ? 1u : 0u));
        std::vector<std::size_t> changed_rows;
        for (const ChangedRow& changed : changes.changed) changed_rows.push_back(changed.row);
        EXPECT_EQ(changed_rows, c.changed_rows);
        EXPECT_EQ(changes.added, c.added);
    }
}

}  // namespace
}  // namespace orvalis::sheet
