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

std::string Row1(const std::string& cells) {
    return "<sheetData><row r=\"1\">" + cells + "</row></sheetData>";
}

// The checker is what the other tests trust to find a workbook a
// spreadsheet program would repair; each fault must be found, and a sound
// workbook must pass.
TEST(WorkbookCheck, FindsEachFaultASpreadsheetWouldRepair) {
    struct Case {
        const char* fault;
        std::string sheet1;
        const char* expected;  // a piece of the problem line; "" for none
        std::vector<std::string> extra_workbook_rels = {};
    };
    const std::vector<Case> cases = {
        {"sound",
         "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"/></row>"
         "<row r=\"3\"><c r=\"A3\"/></row></sheetData>",
         ""},
        {"rows out of order", "<sheetData><row r=\"2\"/><row r=\"1\"/></sheetData>",
         "row 1 out of order"},
        {"cells out of order", Row1("<c r=\"B1\"/><c r=\"A1\"/>"), "A1 out of order"},
        {"a cell in the wrong row", Row1("<c r=\"A2\"/>"), "A2 in row 1"},
        {"bytes that are not UTF-8",
         Row1("<c r=\"A1\" t=\"inlineStr\"><is><t>\xC7\xD1\xFF\xFE</t></is></c>"), "not UTF-8"},
        {"a control character", Row1("<c r=\"A1\" t=\"inlineStr\"><is><t>a\x01</t></is></c>"),
         "not allowed in XML"},
        {"a reference to a control character",
         Row1("<c r=\"A1\" t=\"inlineStr\"><is><t>a&#7;</t></is></c>"), "not allowed in XML"},
        {"a relationship to a missing part",
         "<sheetData/>",
         "xl/media/gone.png",
         {"<Relationship Id=\"rId10\" Type=\"x\" Target=\"media/gone.png\"/>"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.fault);
        WorkbookFixture fixture;
        fixture.sheet1 = test.sheet1;
        fixture.extra_workbook_rels = test.extra_workbook_rels;
        std::string problems = Joined(WorkbookProblems(BuildWorkbook(fixture)));
        if (*test.expected) {
            EXPECT_NE(problems.find(test.expected), std::string::npos) << problems;
        } else {
            EXPECT_EQ(problems, "");
        }
    }
    WorkbookFixture unlisted;
    unlisted.extra_parts = {{"xl/media/image1.png", "png"}};
    EXPECT_NE(
        Joined(WorkbookProblems(BuildWorkbook(unlisted))).find("image1.png has no content type"),
        std::string::npos);
}

}  // namespace
}  // namespace orvalis::testing
