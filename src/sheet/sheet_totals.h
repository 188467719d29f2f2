#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "survey/toolpath_table.h"
#include "xlsx/worksheet.h"

namespace orvalis::sheet {

// What the operator asks of a whole job: how long it runs and how many tools
// to set up.
struct SheetTotals {
    std::int64_t seconds = 0;  // the machining times that could be read, added up
    int unreadable = 0;        // rows whose time could not be read
    int distinct_tools = 0;    // different tools, a tool being its description and length
};
SheetTotals TotalsOf(const std::vector<survey::ToolpathRecord>& rows);

// "4:55:07", saying how many rows were left out: "4:55:07 (시간을 모르는 1개 제외)".
std::string TotalTimeText(const SheetTotals& totals);

// Writes the totals into the first page's total cells when the template has
// them (their caption in the label cell, the value cell empty).
void WriteTotals(xlsx::Worksheet& first_page, const SheetTotals& totals);

}  // namespace orvalis::sheet
