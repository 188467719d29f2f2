#include "sheet/sheet_totals.h"

#include <set>
#include <utility>

#include "sheet/setup_sheet_layout.h"
#include "survey/machining_time.h"

namespace orvalis::sheet {

namespace {

void WriteTotal(xlsx::Worksheet& sheet, const TotalCells& cells, const std::string& value) {
    if (sheet.Text(cells.label) != cells.caption || !sheet.Text(cells.value).empty()) return;
    sheet.SetText(cells.value, value);
}

}  // namespace

SheetTotals TotalsOf(const std::vector<survey::ToolpathRecord>& rows) {
    SheetTotals totals;
    // The same cutter at another length is another assembly to set up.
    std::set<std::pair<std::string, std::string>> tools;
    survey::TimeTotal time;
    for (const survey::ToolpathRecord& row : rows) {
        time.Add(row.machining_time);
        if (!row.tool.empty()) tools.emplace(row.tool, row.tool_length);
    }
    totals.seconds = time.seconds;
    totals.unreadable = time.unreadable;
    totals.distinct_tools = static_cast<int>(tools.size());
    return totals;
}

std::string TotalTimeText(const SheetTotals& totals) {
    std::string text = survey::DurationText(totals.seconds);
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
