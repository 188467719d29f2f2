#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "platform/atomic_file.h"
#include "sheet/picture_size.h"
#include "sheet/writer_fixture.h"
#include "support/workbook_check.h"
#include "xlsx/cell_ref.h"
#include "xlsx/package_fixture.h"
#include "xlsx/workbook.h"

namespace orvalis::sheet {
namespace {

struct Box {
    double left, top, right, bottom;
};

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string TemplateBytes(const char* name) {
    return ReadFileBytes(std::string(ORVALIS_TEST_DATA_DIR) + "/" + name).value_or("");
}

// Where a picture of width x height lands: anchor edges plus offsets, rounded.
Box PictureAt(xlsx::Worksheet& sheet, const char* anchor, double dx, double dy, double width,
              double height) {
    double left = RoundHalfEven(sheet.CellLeft(anchor) + dx);
    double top = RoundHalfEven(sheet.CellTop(anchor) + dy);
    return Box{left, top, left + width, top + height};
}

void ExpectApart(const std::vector<Box>& pictures) {
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            EXPECT_FALSE(Overlap(pictures[i], pictures[j])) << "pictures " << i << " and " << j;
        }
    }
}

// The merged ranges of a sheet part, as (first cell, last cell).
std::vector<std::pair<xlsx::CellRef, xlsx::CellRef>> Merges(const std::string& package,
                                                            const std::string& part) {
    pugi::xml_document document;
    document.load_string(testing::ReadPart(package, part).c_str());
    std::vector<std::pair<xlsx::CellRef, xlsx::CellRef>> merges;
    for (pugi::xml_node merge : document.document_element().child("mergeCells").children()) {
        std::string range = merge.attribute("ref").value();
        std::size_t colon = range.find(':');
        merges.emplace_back(xlsx::ParseCellRef(range.substr(0, colon)),
                            xlsx::ParseCellRef(range.substr(colon + 1)));
    }
    return merges;
}

// A written cell must show: it is no merged range's hidden part. (A merge of
// a single cell would make the spreadsheet repair the file.)
void ExpectVisible(const std::string& package, const std::string& part,
                   const std::vector<std::string>& cells) {
    auto merges = Merges(package, part);
    for (const auto& [first, last] : merges) {
        EXPECT_FALSE(first == last) << xlsx::FormatCellRef(first) << " is merged with itself";
    }
    for (const std::string& text : cells) {
        xlsx::CellRef cell = xlsx::ParseCellRef(text);
        for (const auto& [first, last] : merges) {
            bool inside = cell.column >= first.column && cell.column <= last.column &&
                          cell.row >= first.row && cell.row <= last.row;
            EXPECT_TRUE(!inside || cell == first) << text << " is hidden in a merged range";
        }
    }
}

std::vector<std::string> TableCells(const std::vector<const char*>& columns, int first, int last) {
    std::vector<std::string> cells;
    for (int row = first; row <= last; ++row) {
        for (const char* column : columns) cells.push_back(column + std::to_string(row));
    }
    return cells;
}

// Excel answers a range merged twice with "Removed Records: Merge cells".
TEST(Templates, TheShippedTemplatesOpenWithoutRepair) {
    for (const char* name : {"ORVALIS.xlsx", "IMAGE.xlsx"}) {
        EXPECT_TRUE(testing::IsSoundWorkbook(TemplateBytes(name))) << name;
    }
}

TEST(Templates, TheSetupSheetFitsItsPicturesAndCellMap) {
    std::string package = TemplateBytes("ORVALIS.xlsx");
    xlsx::Workbook book(package, "ORVALIS.xlsx");
    ASSERT_EQ(book.SheetCount(), 2);
    xlsx::Worksheet& first = book.Sheet(1);

    std::vector<Box> pictures = {
        PictureAt(first, "B5", 30, 2, 300, 200), PictureAt(first, "L5", 40, 2, 300, 200),
        PictureAt(first, "B8", 30, 0, 300, 200), PictureAt(first, "L8", 40, 0, 300, 200)};
    ExpectApart(pictures);
    for (const Box& picture : pictures) {
        EXPECT_GE(picture.top, first.CellTop("A4"));
        EXPECT_LE(picture.bottom, first.CellTop("A11")) << "over the table headings";
        EXPECT_LE(picture.right, first.CellLeft("S1")) << "past the print area";
    }

    const std::vector<const char*> first_columns(std::begin(testing::kFirstPageColumns),
                                                 std::end(testing::kFirstPageColumns));
    const std::vector<const char*> second_columns(std::begin(testing::kSecondPageColumns),
                                                  std::end(testing::kSecondPageColumns));
    for (const char* column : first_columns) {
        EXPECT_NE(first.Text(column + std::string("11")), "") << column << "11";
    }
    for (const char* column : second_columns) {
        EXPECT_NE(book.Sheet(2).Text(column + std::string("5")), "") << column << "5";
    }

    std::vector<std::string> first_cells = TableCells(first_columns, 12, 30);
    first_cells.insert(first_cells.end(), {"C2", "M2", "C3", "M3", "D33"});
    ExpectVisible(package, "xl/worksheets/sheet1.xml", first_cells);
    std::vector<std::string> second_cells = TableCells(second_columns, 6, 46);
    second_cells.insert(second_cells.end(), {"C2", "K2", "C3", "K3", "D47"});
    ExpectVisible(package, "xl/worksheets/sheet2.xml", second_cells);
}

TEST(Templates, ThePictureWorkbookFitsItsFourViews) {
    std::string package = TemplateBytes("IMAGE.xlsx");
    xlsx::Workbook book(package, "IMAGE.xlsx");
    xlsx::Worksheet& sheet = book.Sheet(1);
    std::vector<Box> pictures = {
        PictureAt(sheet, "E1", 5, 25, 300, 200), PictureAt(sheet, "G1", 5, 25, 300, 200),
        PictureAt(sheet, "E12", 5, 25, 300, 200), PictureAt(sheet, "G12", 5, 25, 300, 200)};
    ExpectApart(pictures);
    for (const Box& picture : pictures) {
        EXPECT_GE(picture.left, sheet.CellLeft("E1"));
        EXPECT_LE(picture.right, sheet.CellLeft("I1")) << "past the print area";
        EXPECT_LE(picture.bottom, sheet.CellTop("A23")) << "past the print area";
    }
    EXPECT_LE(pictures[0].bottom, sheet.CellTop("E12"));
    ExpectVisible(package, "xl/worksheets/sheet1.xml", {"C1", "B4"});
}

}  // namespace
}  // namespace orvalis::sheet
