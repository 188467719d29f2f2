#include "xlsx/workbook.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <pugixml.hpp>
#include <tuple>

#include "sheet/test_bitmaps.h"
#include "support/temp_folder.h"
#include "support/workbook_check.h"
#include "xlsx/package_fixture.h"
#include "xlsx/png_encode.h"
#include "xlsx/workbook_error.h"

namespace orvalis::xlsx {
namespace {

namespace fs = std::filesystem;
using testing::BuildWorkbook;
using testing::ReadPart;
using testing::WorkbookFixture;

const char* kCalcChainType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain";

std::unique_ptr<pugi::xml_document> Xml(const std::string& text) {
    auto document = std::make_unique<pugi::xml_document>();
    EXPECT_TRUE(document->load_string(text.c_str())) << text;
    return document;
}

std::vector<std::string> ChildNames(pugi::xml_node node) {
    std::vector<std::string> names;
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element) names.emplace_back(child.name());
    }
    return names;
}

std::string SmallPng() {
    return EncodePng(RgbImage{2, 2, std::vector<std::uint8_t>(12, 200)}, "picture");
}

TEST(Workbook, PartsNobodyChangedKeepTheirBytes) {
    WorkbookFixture fixture;
    fixture.sheet1 = R"(<sheetData><row r="1"><c r="A1" t="s"><v>0</v></c></row></sheetData>)";
    fixture.sheet2 = R"(<sheetData><row r="4"><c r="B4"><v>7</v></c></row></sheetData>)";
    std::string original = BuildWorkbook(fixture);

    Workbook book(original, "template");
    book.Sheet(1).SetText("B2", "T1");
    book.Sheet(1).InsertPicture(SmallPng(), {10, 10, 30, 20}, "TOP");
    EXPECT_EQ(book.Sheet(2).Text("B4"), "7");  // reading does not count as a change
    std::string saved = book.SaveToBytes();

    for (const char* part : {"_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                             "xl/worksheets/sheet2.xml", "xl/styles.xml", "xl/sharedStrings.xml"}) {
        EXPECT_EQ(ReadPart(saved, part), ReadPart(original, part)) << part;
    }
    EXPECT_NE(ReadPart(saved, "xl/worksheets/sheet1.xml"),
              ReadPart(original, "xl/worksheets/sheet1.xml"));
}

// A shop's own notes past column Z keep their places among the written
// cells; text that slipped past the decoding at the boundary still leaves a
// package every spreadsheet opens (a LibreOffice that meets a bad byte drops
// every row after it).
TEST(Workbook, CellsHoldTheirTextAsTextInOrder) {
    WorkbookFixture fixture;
    fixture.sheet1 = R"(<dimension ref="A1:AZ2"/><sheetData><row r="2" spans="1:2">)"
                     R"(<c r="B2" s="1" t="s"><v>0</v></c><c r="Z2"><v>7</v></c>)"
                     R"(<c r="AZ2"><v>8</v></c></row></sheetData><pageMargins left="0.7" )"
                     R"(right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)";
    Workbook book(BuildWorkbook(fixture), "template");
    Worksheet& sheet = book.Sheet(1);
    EXPECT_EQ(sheet.Text("B2"), "label");

    const std::pair<const char*, std::string> cells[] = {
        {"B2", "0012"},        // a shared-string cell overwritten, format kept
        {"D7", "12.50"},       // looks like a number, stays text
        {"C2", "a\x01z\r\n"},  // a control character XML cannot hold
        {"A2", "_x0041_"},     // text that looks like such a code
        {"A5", " Ø10F*1R "},   // blanks at the ends and Korean/Latin-1 text
        {"AA2", std::string("bell\x07 nul") + '\0' + "end"},
        {"BA2", "\xEF\xBF\xBE\xEF\xBF\xBF"},  // valid UTF-8, no XML character
    };
    for (const auto& [cell, text] : cells) sheet.SetText(cell, text);
    sheet.SetText("H2", "\xFF\xFE cut");  // no UTF-8, no code page
    sheet.SetText("E9", "gone");
    sheet.SetText("E9", "");

    std::string saved = book.SaveToBytes();
    EXPECT_TRUE(orvalis::testing::IsSoundWorkbook(saved));
    Workbook reopened(saved, "saved");
    for (const auto& [cell, text] : cells) EXPECT_EQ(reopened.Sheet(1).Text(cell), text) << cell;
    EXPECT_EQ(reopened.Sheet(1).Text("H2"), "\xEF\xBF\xBD\xEF\xBF\xBD cut");
    EXPECT_EQ(reopened.Sheet(1).Text("E9"), "");

    auto xml = Xml(ReadPart(saved, "xl/worksheets/sheet1.xml"));
    pugi::xml_node root = xml->document_element();
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"sheetViews", "dimension", "sheetData",
                                                          "pageMargins", "ignoredErrors"}));
    EXPECT_STREQ(root.child("dimension").attribute("ref").value(), "A1:BA9");
    pugi::xml_node ignored = root.child("ignoredErrors").child("ignoredError");
    EXPECT_STREQ(ignored.attribute("numberStoredAsText").value(), "1");

    std::vector<std::string> addresses;
    for (pugi::xml_node row : root.child("sheetData").children("row")) {
        for (pugi::xml_node c : row.children("c")) addresses.emplace_back(c.attribute("r").value());
    }
    EXPECT_EQ(addresses, (std::vector<std::string>{"A2", "B2", "C2", "H2", "Z2", "AA2", "AZ2",
                                                   "BA2", "A5", "D7", "E9"}));
    pugi::xml_node b2 = root.child("sheetData").find_child_by_attribute("row", "r", "2").child("c");
    b2 = b2.next_sibling("c");
    EXPECT_STREQ(b2.attribute("s").value(), "1");
    EXPECT_STREQ(b2.attribute("t").value(), "inlineStr");
    EXPECT_FALSE(root.child("sheetData").child("row").attribute("spans"));
}

TEST(Workbook, OverwritingCellsDropsTheCalculationChain) {
    WorkbookFixture fixture;
    fixture.sheet1 = R"(<sheetData><row r="1"><c r="C1"><f>A1*2</f><v>0</v></c></row></sheetData>)";
    fixture.extra_parts = {{"xl/calcChain.xml",
                            R"(<calcChain xmlns="http://schemas.openxmlformats.org/)"
                            R"(spreadsheetml/2006/main"><c r="C1" i="1"/></calcChain>)"}};
    fixture.extra_overrides = {
        R"(<Override PartName="/xl/calcChain.xml" ContentType="application/)"
        R"(vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>)"};
    fixture.extra_workbook_rels = {std::string("<Relationship Id=\"rId10\" Type=\"") +
                                   kCalcChainType + "\" Target=\"calcChain.xml\"/>"};
    std::string original = BuildWorkbook(fixture);

    Workbook untouched(original, "template");
    EXPECT_EQ(ReadPart(untouched.SaveToBytes(), "xl/calcChain.xml"),
              ReadPart(original, "xl/calcChain.xml"));

    Workbook book(original, "template");
    book.Sheet(1).SetText("C1", "T1");
    std::string saved = book.SaveToBytes();
    EXPECT_EQ(ReadPart(saved, "xl/calcChain.xml"), "");
    EXPECT_EQ(ReadPart(saved, "xl/_rels/workbook.xml.rels").find(kCalcChainType),
              std::string::npos);
    EXPECT_EQ(ReadPart(saved, "[Content_Types].xml").find("calcChain"), std::string::npos);
    auto workbook = Xml(ReadPart(saved, "xl/workbook.xml"));
    EXPECT_STREQ(workbook->document_element().child("calcPr").attribute("fullCalcOnLoad").value(),
                 "1");
    EXPECT_EQ(ReadPart(saved, "xl/worksheets/sheet1.xml").find("<f>"), std::string::npos);
}

TEST(Workbook, APictureGetsItsOwnDrawingAnchoredWhereItsCornerFalls) {
    WorkbookFixture fixture;
    // A 48 pt, B 19.5 pt (Calibri 11: 7-pixel digits); row 2 is 10 pt.
    fixture.sheet1 = R"(<cols><col min="2" max="2" width="3.7109375"/></cols>)"
                     R"(<sheetData><row r="2" ht="10"/></sheetData>)"
                     R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" )"
                     R"(header="0.3" footer="0.3"/><tableParts count="0"/>)";
    Workbook book(BuildWorkbook(fixture), "template");
    book.Sheet(1).InsertPicture(SmallPng(), {48 + 30, 25 + 3, 300, 200}, "TOP");
    std::string saved = book.SaveToBytes();

    auto sheet = Xml(ReadPart(saved, "xl/worksheets/sheet1.xml"));
    EXPECT_EQ(ChildNames(sheet->document_element()),
              (std::vector<std::string>{"sheetViews", "cols", "sheetData", "pageMargins", "drawing",
                                        "tableParts"}));
    std::string drawing_id = sheet->document_element().child("drawing").attribute("r:id").value();
    auto sheet_rels = Xml(ReadPart(saved, "xl/worksheets/_rels/sheet1.xml.rels"));
    pugi::xml_node rel =
        sheet_rels->document_element().find_child_by_attribute("Id", drawing_id.c_str());
    EXPECT_STREQ(rel.attribute("Target").value(), "../drawings/drawing1.xml");

    EXPECT_TRUE(orvalis::testing::IsSoundWorkbook(saved));  // content types, relationships

    auto drawing = Xml(ReadPart(saved, "xl/drawings/drawing1.xml"));
    pugi::xml_node anchor = drawing->document_element().child("xdr:oneCellAnchor");
    pugi::xml_node from = anchor.child("xdr:from");
    EXPECT_EQ(from.child("xdr:col").text().as_int(), 2);            // C: 30 pt is wider than B
    EXPECT_EQ(from.child("xdr:colOff").text().as_llong(), 133350);  // 10.5 pt
    EXPECT_EQ(from.child("xdr:row").text().as_int(), 2);            // row 3 starts at 25 pt
    EXPECT_EQ(from.child("xdr:rowOff").text().as_llong(), 3 * 12700);
    EXPECT_EQ(anchor.child("xdr:ext").attribute("cx").as_llong(), 300 * 12700);
    EXPECT_EQ(anchor.child("xdr:ext").attribute("cy").as_llong(), 200 * 12700);
    std::string image_id =
        anchor.child("xdr:pic").child("xdr:blipFill").child("a:blip").attribute("r:embed").value();
    auto drawing_rels = Xml(ReadPart(saved, "xl/drawings/_rels/drawing1.xml.rels"));
    EXPECT_STREQ(drawing_rels->document_element()
                     .find_child_by_attribute("Id", image_id.c_str())
                     .attribute("Target")
                     .value(),
                 "../media/image1.png");
}

TEST(Workbook, PicturesJoinTheTemplatesOwnDrawingUnderFreshIds) {
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    WorkbookFixture fixture;
    fixture.sheet1 = R"(<sheetData/><drawing r:id="rId2"/>)";
    fixture.sheet1_rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId2\" Type=\"" +
        rel + "drawing\" Target=\"../drawings/drawing1.xml\"/></Relationships>";
    std::string logo_anchor =
        "<xdr:absoluteAnchor><xdr:pos x=\"0\" y=\"0\"/><xdr:ext cx=\"1\" cy=\"1\"/><xdr:pic>"
        "<xdr:nvPicPr><xdr:cNvPr id=\"4\" name=\"Logo\"/><xdr:cNvPicPr/></xdr:nvPicPr>"
        "<xdr:blipFill><a:blip r:embed=\"rId1\"/></xdr:blipFill><xdr:spPr/></xdr:pic>"
        "<xdr:clientData/></xdr:absoluteAnchor>";
    fixture.extra_parts = {
        {"xl/drawings/drawing1.xml",
         "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/"
         "spreadsheetDrawing\" xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
         "xmlns:r=\"" +
             rel.substr(0, rel.size() - 1) + "\">" + logo_anchor + "</xdr:wsDr>"},
        {"xl/drawings/_rels/drawing1.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" +
             rel +
             "image\" Target=\"../media/image1.png\"/>"
             "</Relationships>"},
        {"xl/media/image1.png", "logo bytes"},
    };
    std::string original = BuildWorkbook(fixture);

    Workbook book(original, "template");
    book.Sheet(1).InsertPicture(SmallPng(), {0, 0, 10, 10}, "TOP");
    book.Sheet(1).InsertPicture(SmallPng(), {100, 0, 10, 10}, "ISO");
    std::string saved = book.SaveToBytes();

    EXPECT_EQ(ReadPart(saved, "xl/worksheets/_rels/sheet1.xml.rels"),
              ReadPart(original, "xl/worksheets/_rels/sheet1.xml.rels"));
    EXPECT_EQ(ReadPart(saved, "xl/media/image1.png"), "logo bytes");

    auto drawing = Xml(ReadPart(saved, "xl/drawings/drawing1.xml"));
    pugi::xml_node root = drawing->document_element();
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"xdr:absoluteAnchor", "xdr:oneCellAnchor",
                                                          "xdr:oneCellAnchor"}));
    auto drawing_rels = Xml(ReadPart(saved, "xl/drawings/_rels/drawing1.xml.rels"));
    std::vector<std::pair<std::string, std::string>> images;
    for (pugi::xml_node anchor : root.children("xdr:oneCellAnchor")) {
        pugi::xml_node picture = anchor.child("xdr:pic");
        std::string id = picture.child("xdr:blipFill").child("a:blip").attribute("r:embed").value();
        images.emplace_back(picture.child("xdr:nvPicPr").child("xdr:cNvPr").attribute("id").value(),
                            drawing_rels->document_element()
                                .find_child_by_attribute("Id", id.c_str())
                                .attribute("Target")
                                .value());
        EXPECT_NE(id, "rId1");
    }
    EXPECT_EQ(images, (std::vector<std::pair<std::string, std::string>>{
                          {"5", "../media/image2.png"}, {"6", "../media/image3.png"}}));
}

TEST(Workbook, SelectingMakesTheSheetActiveWithItsActiveCell) {
    WorkbookFixture fixture;
    fixture.second_sheet_selected = true;
    Workbook book(BuildWorkbook(fixture), "template");
    book.Select(1, "A12");
    std::string saved = book.SaveToBytes();

    auto workbook = Xml(ReadPart(saved, "xl/workbook.xml"));
    EXPECT_EQ(workbook->document_element()
                  .child("bookViews")
                  .child("workbookView")
                  .attribute("activeTab")
                  .as_int(-1),
              0);
    auto first = Xml(ReadPart(saved, "xl/worksheets/sheet1.xml"));
    pugi::xml_node view = first->document_element().child("sheetViews").child("sheetView");
    EXPECT_STREQ(view.attribute("tabSelected").value(), "1");
    EXPECT_STREQ(view.child("selection").attribute("activeCell").value(), "A12");
    EXPECT_STREQ(view.child("selection").attribute("sqref").value(), "A12");
    auto second = Xml(ReadPart(saved, "xl/worksheets/sheet2.xml"));
    EXPECT_FALSE(
        second->document_element().child("sheetViews").child("sheetView").attribute("tabSelected"));
}

// A print area that ends above a cell reaches down to it, the other
// sheet's staying; one that holds the cell already, or of several ranges (the
// shop's own), is left as it is.
TEST(Workbook, APrintAreaIsWidenedDownToACell) {
    const struct {
        int sheet;
        const char* cell;
        std::vector<std::string> before;  // of sheets One and Two
        std::vector<std::string> after;
    } cases[] = {
        {2, "A48", {"$A$1:$R$33", "$A$1:$P$46"}, {"$A$1:$R$33", "$A$1:$P$48"}},
        {1, "A36", {"$A$1:$R$40", "$A$1:$P$46"}, {"$A$1:$R$40", "$A$1:$P$46"}},
        {1,
         "A36",
         {"$A$1:$H$33,$J$1:$R$33", "$A$1:$P$46"},
         {"$A$1:$H$33,$J$1:$R$33", "$A$1:$P$46"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before[0]);
        WorkbookFixture fixture;
        for (int tab : {0, 1}) {
            fixture.defined_names += "<definedName name=\"_xlnm.Print_Area\" localSheetId=\"" +
                                     std::to_string(tab) + "\">" + (tab == 0 ? "One!" : "Two!") +
                                     c.before[tab] + "</definedName>";
        }
        Workbook book(BuildWorkbook(fixture), "template");
        book.IncludeInPrintArea(c.sheet, c.cell);
        auto workbook = Xml(ReadPart(book.SaveToBytes(), "xl/workbook.xml"));
        std::vector<std::string> areas;
        for (pugi::xml_node name : workbook->document_element().child("definedNames").children()) {
            std::string text = name.text().get();
            areas.push_back(text.substr(text.find('!') + 1));
        }
        EXPECT_EQ(areas, c.after);
    }
}

TEST(Workbook, AMissingOrDamagedFileIsAnErrorNamingIt) {
    orvalis::testing::TempFolder folder;
    fs::path text = folder.path() / "text.xlsx";
    std::ofstream(text) << "no zip";
    fs::path empty_zip = folder.path() / "empty.xlsx";
    std::ofstream(empty_zip, std::ios::binary)
        << testing::MakePackage({{"readme.txt", "no workbook inside"}});
    for (const fs::path& file : {folder.path() / "missing.xlsx", text, empty_zip}) {
        try {
            Workbook::Open(file);
            ADD_FAILURE() << file << " opened";
        } catch (const WorkbookError& error) {
            EXPECT_EQ(error.path(), file.string());
        }
    }
}

// The size an archive claims for a part is written by whoever made the file:
// one claiming gigabytes is refused, not allocated.
TEST(Workbook, APartClaimingAHugeSizeIsRefusedNotAllocated) {
    std::string package = testing::BuildWorkbook({});
    auto put32 = [&package](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) package[at + i] = static_cast<char>(value >> (8 * i));
    };
    const std::string part = "xl/worksheets/sheet1.xml";
    // Local headers keep the size at 22 and the name at 30; the central
    // directory at 24 and 46.
    for (auto [signature, size_at, name_at] :
         {std::tuple{"PK\x03\x04", 22, 30}, std::tuple{"PK\x01\x02", 24, 46}}) {
        for (std::size_t at = package.find(signature); at != std::string::npos;
             at = package.find(signature, at + 4)) {
            if (package.compare(at + name_at, part.size(), part) == 0) {
                put32(at + size_at, 0x7FFFFFF0u);
            }
        }
    }
    try {
        Workbook book(package, "claims.xlsx");
        book.Sheet(1).Text("A1");
        ADD_FAILURE() << "the part was read";
    } catch (const WorkbookError& error) {
        EXPECT_EQ(error.path(), "claims.xlsx");
        EXPECT_NE(std::string(error.what()).find("너무 큽니다"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace orvalis::xlsx
