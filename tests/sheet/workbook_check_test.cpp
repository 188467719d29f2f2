#include "support/workbook_check.h"

#include <gtest/gtest.h>

#include "xlsx/package_fixture.h"

namespace orvalis::testing {
namespace {

std::string Joined(const std::vector<std::string>& problems) {
    std::string text;
    for (const auto& problem : problems) text += problem + "\n";
    return text;
}

// The checker is what the other tests trust to find a workbook a
// spreadsheet program would repair; each fault must be found, and a sound
// workbook must pass.
TEST(WorkbookCheck, FindsEachFaultASpreadsheetWouldRepair) {
    const std::string long_text(32768, 'x');
    struct Case {
        const char* fault;
        std::string sheet1;
        std::string shared_strings;
        std::vector<std::string> extra_workbook_rels;
        const char* expected;  // a piece of the problem line; "" for none
    };
    const std::vector<Case> cases = {
        {"sound",
         "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"/></row>"
         "<row r=\"3\"><c r=\"A3\"/></row></sheetData>"
         "<mergeCells count=\"2\"><mergeCell ref=\"A5:C5\"/><mergeCell ref=\"D5:E5\"/>"
         "</mergeCells>",
         "<si><t>label</t></si>",
         {},
         ""},
        {"a range merged twice",
         "<sheetData/><mergeCells count=\"2\"><mergeCell ref=\"A5:C5\"/>"
         "<mergeCell ref=\"A5:C5\"/></mergeCells>",
         "<si><t>label</t></si>",
         {},
         "overlaps"},
        {"overlapping ranges",
         "<sheetData/><mergeCells count=\"2\"><mergeCell ref=\"A5:C6\"/>"
         "<mergeCell ref=\"C6:D7\"/></mergeCells>",
         "<si><t>label</t></si>",
         {},
         "overlaps"},
        {"a merge of one cell",
         "<sheetData/><mergeCells count=\"1\"><mergeCell ref=\"B2:B2\"/>"
         "</mergeCells>",
         "<si><t>label</t></si>",
         {},
         "one cell"},
        {"a wrong merge count",
         "<sheetData/><mergeCells count=\"3\"><mergeCell ref=\"A1:B1\"/>"
         "</mergeCells>",
         "<si><t>label</t></si>",
         {},
         "count"},
        {"rows out of order",
         "<sheetData><row r=\"2\"/><row r=\"1\"/></sheetData>",
         "<si><t>label</t></si>",
         {},
         "row 1 out of order"},
        {"cells out of order",
         "<sheetData><row r=\"1\"><c r=\"B1\"/><c r=\"A1\"/></row></sheetData>",
         "<si><t>label</t></si>",
         {},
         "A1 out of order"},
        {"a cell in the wrong row",
         "<sheetData><row r=\"1\"><c r=\"A2\"/></row></sheetData>",
         "<si><t>label</t></si>",
         {},
         "A2 in row 1"},
        {"too long inline text",
         "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + long_text +
             "</t></is></c></row></sheetData>",
         "<si><t>label</t></si>",
         {},
         "too long"},
        {"too long shared text",
         "<sheetData/>",
         "<si><t>" + long_text + "</t></si>",
         {},
         "too long"},
        {"a shared string missing",
         "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>4</v></c></row>"
         "</sheetData>",
         "<si><t>label</t></si>",
         {},
         "index 4 missing"},
        {"bytes that are not UTF-8",
         "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>\xC7\xD1\xFF\xFE</t></is>"
         "</c></row></sheetData>",
         "<si><t>label</t></si>",
         {},
         "not UTF-8"},
        {"a control character",
         "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a\x01"
         "</t></is></c></row></sheetData>",
         "<si><t>label</t></si>",
         {},
         "not allowed in XML"},
        {"a relationship to a missing part",
         "<sheetData/>",
         "<si><t>label</t></si>",
         {"<Relationship Id=\"rId10\" Type=\"x\" Target=\"media/gone.png\"/>"},
         "xl/media/gone.png"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.fault);
        WorkbookFixture fixture;
        fixture.sheet1 = test.sheet1;
        fixture.shared_strings = test.shared_strings;
        fixture.extra_workbook_rels = test.extra_workbook_rels;
        auto problems = WorkbookProblems(BuildWorkbook(fixture));
        if (std::string(test.expected).empty()) {
            EXPECT_TRUE(problems.empty()) << Joined(problems);
        } else {
            EXPECT_NE(Joined(problems).find(test.expected), std::string::npos) << Joined(problems);
        }
    }
}

TEST(WorkbookCheck, FindsAPartWithoutContentTypeAndCountsSharedReferences) {
    WorkbookFixture fixture;
    fixture.extra_parts = {{"xl/media/image1.png", "png"}};
    EXPECT_NE(
        Joined(WorkbookProblems(BuildWorkbook(fixture))).find("image1.png has no content type"),
        std::string::npos);

    WorkbookFixture counted;
    counted.sheet1 = "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row></sheetData>";
    auto problems = WorkbookProblems(BuildWorkbook(counted));
    EXPECT_TRUE(problems.empty()) << Joined(problems);
    EXPECT_EQ(WorkbookProblems("not a zip"), std::vector<std::string>{"not a zip archive"});
}

}  // namespace
}  // namespace orvalis::testing
