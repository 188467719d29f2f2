#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "sheet/setup_sheet.h"
#include "sheet/writer_fixture.h"
#include "xlsx/cell_ref.h"
#include "xlsx/package_fixture.h"
#include "xlsx/workbook.h"

namespace orvalis::sheet {
namespace {

using Picture = testing::SavedWorkbook::Picture;

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

// A written cell must show: it is no merged range's hidden part.
void ExpectVisible(const std::string& package, const std::string& part,
                   const std::vector<std::string>& cells) {
    auto merges = Merges(package, part);
    for (const std::string& text : cells) {
        xlsx::CellRef cell = xlsx::ParseCellRef(text);
        for (const auto& [first, last] : merges) {
            bool inside = cell.column >= first.column && cell.column <= last.column &&
                          cell.row >= first.row && cell.row <= last.row;
            EXPECT_TRUE(!inside || cell == first) << text << " is hidden in a merged range";
        }
    }
}

std::vector<std::string> TableCells(const char* const (&columns)[12], int first, int last) {
    std::vector<std::string> cells;
    for (int row = first; row <= last; ++row) {
        for (const char* column : columns) cells.push_back(column + std::to_string(row));
    }
    return cells;
}

// The shipped setup-sheet template shows every cell the writer fills, and
// the continuation page's table is bordered down to its 60th toolpath.
TEST(Templates, TheSetupSheetShowsEveryCellItWrites) {
    testing::SavedWorkbook book(std::string(ORVALIS_TEST_DATA_DIR) + "/ORVALIS.xlsx");
    std::vector<std::string> first_cells = TableCells(testing::kFirstPageColumns, 12, 30);
    first_cells.insert(first_cells.end(), {"C2", "M2", "C3", "M3", "D33", "D34", "J34", "A36"});
    ExpectVisible(book.bytes(), "xl/worksheets/sheet1.xml", first_cells);
    std::vector<std::string> second_cells = TableCells(testing::kSecondPageColumns, 6, 46);
    second_cells.insert(second_cells.end(), {"C2", "K2", "C3", "K3", "D47", "A48"});
    ExpectVisible(book.bytes(), "xl/worksheets/sheet2.xml", second_cells);

    for (char letter = 'A'; letter <= 'P'; ++letter) {
        for (int row = 41; row <= 46; ++row) {
            std::string cell = letter + std::to_string(row);
            EXPECT_EQ(book.BorderSides(2, cell), "lrtb") << cell;
        }
    }
}

void ExpectApart(const std::vector<Picture>& pictures) {
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            const Picture& a = pictures[i];
            const Picture& b = pictures[j];
            bool overlap = a.left < b.left + b.width && b.left < a.left + a.width &&
                           a.top < b.top + b.height && b.top < a.top + a.height;
            EXPECT_FALSE(overlap) << "pictures " << i << " and " << j;
        }
    }
}

// The four views take the sizes of their boxes (TOP, ISO, Front, Right, each
// width then height) and, at the largest a shop uses, stay apart inside the
// picture frame: below the header, above the table headings, within the
// print area.
TEST(Templates, TheSetupSheetsViewsFitTheirFrameAtTheSizesOfTheirBoxes) {
    testing::WriterFixture fixture;
    SetupSheetInput input = fixture.Input(3);
    input.picture_sizes = {"300", "200", "299", "199", "298", "198", "297", "197"};
    testing::SavedWorkbook book(WriteSetupSheet(input).file);
    xlsx::Worksheet& sheet = book.book().Sheet(1);
    std::vector<Picture> pictures = book.Pictures();
    ASSERT_EQ(pictures.size(), 4u);
    double smaller = 0;  // each box a point smaller than the one before
    for (const Picture& picture : pictures) {
        EXPECT_DOUBLE_EQ(picture.width, 300 - smaller);
        EXPECT_DOUBLE_EQ(picture.height, 200 - smaller);
        EXPECT_GE(picture.top, sheet.CellTop("A4"));
        EXPECT_LE(picture.top + picture.height, sheet.CellTop("A11")) << "over the table headings";
        EXPECT_LE(picture.left + picture.width, sheet.CellLeft("S1")) << "past the print area";
        ++smaller;
    }
    ExpectApart(pictures);
}

}  // namespace
}  // namespace orvalis::sheet
