#include "sheet/sheet_totals.h"

#include <set>
#include <utility>

#include "sheet/machining_time.h"

namespace orvalis::sheet {

namespace {

constexpr int kToolColumn = 3;
constexpr int kTimeColumn = 8;
constexpr int kToolLengthColumn = 9;

void WriteTotal(xlsx::Worksheet& sheet, const TotalCells& cells, const std::string& value) {
    if (sheet.Text(cells.label) != cells.caption || !sheet.Text(cells.value).empty()) return;
    sheet.SetText(cells.value, value);
}

}  // namespace

SheetTotals TotalsOf(const std::vector<SheetRow>& rows) {
    SheetTotals totals;
    // The same cutter at another length is another assembly to set up.
    std::set<std::pair<std::string, std::string>> tools;
    TimeTotal time;
    for (const SheetRow& row : rows) {
        time.Add(row.Cell(kTimeColumn));
        if (!row.Cell(kToolColumn).empty()) {
            tools.emplace(row.Cell(kToolColumn), row.Cell(kToolLengthColumn));
        }
    }
    totals.seconds = time.seconds;
    totals.unreadable = time.unreadable;
    totals.distinct_tools = static_cast<int>(tools.size());
    return totals;
}

std::string TotalTimeText(const SheetTotals& totals) {
    std::string text = DurationText(totals.seconds);
    if (totals.unreadable > 0) {
        text += " (시간을 모르는 " + std::to_string(totals.unreadable) + "개 제외)";
    }
    return text;
}

void WriteTotals(xlsx::Worksheet& first_page, const SheetTotals& totals) {
    WriteTotal(first_page, kTotalTimeCells, TotalTimeText(totals));
    WriteTotal(first_page, kToolCountCells, std::to_string(totals.distinct_tools));
}

}  // namespace orvalis::sheet
