#include "sheet/sheet_totals.h"

#include <gtest/gtest.h>

#include "survey/machining_time.h"
#include "xlsx/package_fixture.h"
#include "xlsx/workbook.h"

namespace orvalis::sheet {
namespace {

survey::ToolpathRecord Row(const char* tool, const char* time, const char* tool_length) {
    survey::ToolpathRecord row;
    row.tool = tool;
    row.machining_time = survey::MachiningTime(time);
    row.tool_length = tool_length;
    return row;
}

TEST(SheetTotals, TimesAddUpAndToolsAreCountedByDescriptionAndLength) {
    const struct {
        const char* what;
        std::vector<survey::ToolpathRecord> rows;
        std::int64_t seconds;
        int unreadable;
        int tools;
        const char* text;
    } cases[] = {
        {"a tool used twice is one, the same cutter at another length another",
         {Row("D10 EM", "0:10:00", "50"), Row("D10 EM", "0:10:00", "75"),
          Row("R3 BALL", "0:10:00", "50"), Row("D10 EM", "01:02:03", "50")},
         5523,
         0,
         3,
         "1:32:03"},
        {"a time that cannot be read is left out and told",
         {Row("D10 EM", "00:28:54", "50"), Row("D10 EM", "", "50"), Row("D6 EM", "약 5분", "40")},
         1734,
         2,
         2,
         "0:28:54 (시간을 모르는 2개 제외)"},
        {"a negative time and times too large to add are left out, never summed",
         {Row("", "0:10:00", ""), Row("", "-00:30:00", ""), Row("", "99999999999999999:00:00", ""),
          Row("", "2562047788015215:30:07", ""), Row("", "0:05:00", "")},
         900,
         3,
         0,
         "0:15:00 (시간을 모르는 3개 제외)"},
        {"every form of time the host prints",
         {Row("", "100:00:01", ""), Row("", "12:30", ""), Row("", "45", ""), Row("", "0", "")},
         360796,
         0,
         0,
         "100:13:16"},
        {"texts that are no time",
         {Row("", "0:00:59", ""), Row("", "1:2:3:4", ""), Row("", "12:", ""), Row("", ":30", ""),
          Row("", "1::30", ""), Row("", "0:28:54s", ""), Row("", "99999999999999999999", ""),
          Row("", "0:-5", ""), Row("", "+5", "")},
         59,
         8,
         0,
         "0:00:59 (시간을 모르는 8개 제외)"},
        {"the longest time that can be counted",
         {Row("", "2562047788015215:30:07", "")},
         9223372036854775807,
         0,
         0,
         "2562047788015215:30:07"},
        {"a row without a tool is no tool",
         {Row("", "0:01:00", "50"), Row("", "0:01:00", ""), Row("D8 DRILL", "0:01:00", "")},
         180,
         0,
         1,
         "0:03:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SheetTotals totals = TotalsOf(c.rows);
        EXPECT_EQ(totals.seconds, c.seconds);
        EXPECT_EQ(totals.unreadable, c.unreadable);
        EXPECT_EQ(totals.distinct_tools, c.tools);
        EXPECT_EQ(TotalTimeText(totals), c.text);
    }
}

std::string InlineCell(const char* cell, const char* text) {
    return std::string("<c r=\"") + cell + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

// A template fills the totals only where it shows their captions and left
// the value cells empty; anything else is a sheet laid out by someone else.
TEST(SheetTotals, AreWrittenOnlyWhereTheTemplateHasRoomForThem) {
    const struct {
        const char* what;
        std::string row34;
        const char* time;
        const char* tools;
    } cases[] = {
        {"both captions", InlineCell("A34", "총 가공시간") + InlineCell("G34", "공구 수"),
         "0:40:00", "2"},
        {"another caption", InlineCell("A34", "가공시간 합계") + InlineCell("G34", "공구 수"), "",
         "2"},
        {"a value already there",
         InlineCell("A34", "총 가공시간") + InlineCell("D34", "수기 입력") +
             InlineCell("G34", "공구 수"),
         "수기 입력", "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::WorkbookFixture fixture;
        fixture.sheet1 = "<sheetData><row r=\"34\">" + c.row34 + "</row></sheetData>";
        xlsx::Workbook book(testing::BuildWorkbook(fixture), "totals.xlsx");
        SheetTotals totals;
        totals.seconds = 2400;
        totals.distinct_tools = 2;
        WriteTotals(book.Sheet(1), totals);
        EXPECT_EQ(book.Sheet(1).Text("D34"), c.time);
        EXPECT_EQ(book.Sheet(1).Text("J34"), c.tools);
    }
}

}  // namespace
}  // namespace orvalis::sheet
