#include "xlsx/sheet_geometry.h"

#include <gtest/gtest.h>

#include <string>

namespace orvalis::xlsx {
namespace {

SheetGeometry GeometryOf(const std::string& children, int digit_width, double row_height = 15) {
    pugi::xml_document document;
    std::string xml = "<worksheet>" + children + "</worksheet>";
    EXPECT_TRUE(document.load_string(xml.c_str()));
    return SheetGeometry(document, FontMetrics{digit_width, row_height});
}

TEST(SheetGeometry, ColumnEdgesFollowTheDigitWidthRuleInWholePixels) {
    struct Case {
        const char* children;
        int digit_width;
        int column;
        double left;
    } cases[] = {
        // No width stored: 8 digits + 5 pixels, rounded up to 8 pixels (64 px, 72 px).
        {"", 7, 3, 2 * 48.0},
        {R"(<sheetFormatPr baseColWidth="10"/>)", 7, 2, 60.0},              // 75 -> 80 px
        {R"(<sheetFormatPr defaultColWidth="10.7109375"/>)", 7, 2, 56.25},  // 75 px
        // Stored widths include the padding: 9.140625 is 64 px, 3.7109375 is 26 px.
        {R"(<cols><col min="1" max="1" width="9.140625"/></cols>)", 7, 2, 48.0},
        {R"(<cols><col min="2" max="3" width="3.7109375" customWidth="1"/></cols>)", 7, 4,
         48.0 + 2 * 19.5},
        {R"(<cols><col min="1" max="1" width="8"/><col min="2" max="2" width="3"/></cols>)", 8, 3,
         48.0 + 18.0},
        {R"(<cols><col min="2" max="2" width="20" hidden="1"/></cols>)", 7, 3, 48.0},
    };
    for (const Case& c : cases) {
        SheetGeometry geometry = GeometryOf(c.children, c.digit_width);
        EXPECT_DOUBLE_EQ(geometry.ColumnLeft(c.column), c.left) << c.children;
    }
}

TEST(SheetGeometry, RowEdgesUseStoredHeightsElseTheDefault) {
    struct Case {
        const char* children;
        int row;
        double top;
    } cases[] = {
        {"", 5, 4 * 15.0},  // the font's default height
        {R"(<sheetFormatPr defaultRowHeight="16.5"/>)", 5, 4 * 16.5},
        {R"(<sheetData><row r="2" ht="30" customHeight="1"/></sheetData>)", 4, 15 + 30 + 15},
        {R"(<sheetData><row r="2" hidden="1"/></sheetData>)", 4, 15 + 0 + 15},
        // Rows without an address follow the one before.
        {R"(<sheetData><row r="2" ht="20"/><row ht="40"/></sheetData>)", 5, 15 + 20 + 40 + 15},
        {R"(<sheetFormatPr defaultRowHeight="15" zeroHeight="1"/>
            <sheetData><row r="3" ht="12"/></sheetData>)",
         5, 12},
        // A row after the cell does not move it.
        {R"(<sheetData><row r="7" ht="99"/></sheetData>)", 7, 6 * 15.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(GeometryOf(c.children, 7).RowTop(c.row), c.top) << c.children;
    }
}

TEST(SheetGeometry, APositionPastANarrowColumnIsCarriedIntoTheNextOnes) {
    // A 48 pt, B 19.5 pt, C 48 pt; rows 15 pt with row 2 at 10 pt.
    SheetGeometry geometry = GeometryOf(
        R"(<cols><col min="2" max="2" width="3.7109375"/></cols>
           <sheetData><row r="2" ht="10"/></sheetData>)",
        7);
    struct Case {
        double x;
        int column;
        double offset;
    } columns[] = {
        {0, 1, 0}, {47.9, 1, 47.9}, {48, 2, 0}, {48 + 30, 3, 10.5}, {200, 5, 200 - 163.5}};
    for (const Case& c : columns) {
        SheetGeometry::Place place = geometry.LocateColumn(c.x);
        EXPECT_EQ(place.index, c.column) << c.x;
        EXPECT_NEAR(place.offset, c.offset, 1e-9) << c.x;
    }
    SheetGeometry::Place row = geometry.LocateRow(15 + 30);  // 30 below row 2's top
    EXPECT_EQ(row.index, 4);
    EXPECT_DOUBLE_EQ(row.offset, 5);
}

}  // namespace
}  // namespace orvalis::xlsx
