#include "sheet/sheet_totals.h"

#include <gtest/gtest.h>

#include <optional>

#include "survey/machining_time.h"
#include "xlsx/package_fixture.h"
#include "xlsx/workbook.h"

namespace orvalis::sheet {
namespace {

TEST(SheetTotals, MachiningTimesAreReadAsTheHostPrintsThem) {
    const struct {
        const char* text;
        std::optional<std::int64_t> seconds;
    } cases[] = {
        {"00:28:54", 1734},
        {"1:02:03", 3723},
        {"100:00:01", 360001},
        {"12:30", 750},  // minutes and seconds
        {"45", 45},
        {"0", 0},
        {"", std::nullopt},
        {"1:2:3:4", std::nullopt},
        {"12:", std::nullopt},
        {":30", std::nullopt},
        {"1::30", std::nullopt},
        {"0:28:54s", std::nullopt},
        {"약 30분", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"-00:30:00", std::nullopt},  // a sign is not read as part of the time
        {"0:-5", std::nullopt},
        {"+5", std::nullopt},
        {"99999999999999999:00:00", std::nullopt},  // more seconds than can be counted
        {"2562047788015215:30:07", 9223372036854775807},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(survey::MachiningSeconds(c.text), c.seconds) << "'" << c.text << "'";
    }

    const struct {
        std::int64_t seconds;
        const char* text;
    } durations[] = {
        {0, "0:00:00"},        {59, "0:00:59"},
        {60, "0:01:00"},       {3599, "0:59:59"},
        {3600, "1:00:00"},     {17707, "4:55:07"},
        {360061, "100:01:01"}, {9223372036854775807, "2562047788015215:30:07"},
    };
    for (const auto& d : durations) {
        EXPECT_EQ(survey::DurationText(d.seconds), d.text) << d.seconds;
    }
}

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
        {"no rows", {}, 0, 0, 0, "0:00:00"},
        {"one tool used twice",
         {Row("D10 EM", "00:28:54", "50"), Row("D10 EM", "01:02:03", "50")},
         5457,
         0,
         1,
         "1:30:57"},
        {"the same cutter at another length is another tool",
         {Row("D10 EM", "0:10:00", "50"), Row("D10 EM", "0:10:00", "75"),
          Row("R3 BALL", "0:10:00", "50")},
         1800,
         0,
         3,
         "0:30:00"},
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
        {"no captions", "", "", ""},
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
        EXPECT_EQ(book.Sheet(2).Text("D34"), "");
    }
}

}  // namespace
}  // namespace orvalis::sheet
