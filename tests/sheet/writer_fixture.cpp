#include "sheet/writer_fixture.h"

#include "data_files/data_folder.h"
#include "platform/atomic_file.h"
#include "sheet/test_bitmaps.h"
#include "support/workbook_check.h"
#include "xlsx/cell_ref.h"
#include "xlsx/package_fixture.h"

namespace orvalis::testing {

namespace fs = std::filesystem;

WriterFixture::WriterFixture() {
    FillMissingFiles(ORVALIS_TEST_DATA_DIR, kDataFolder);
    for (const char* name : {"Top.bmp", "ISO.bmp", "Front.bmp", "Right.bmp"}) {
        drives_.Write(DataPath(std::string("IMAGE\\") + name), LineDrawingBmp(40, 30));
    }
}

std::vector<std::string> WriterFixture::OutputFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(output())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

void WriterFixture::EditTemplate(const std::function<void(xlsx::Workbook&)>& edit) const {
    fs::path template_file = drives_.File(DataPath("ORVALIS.xlsx"));
    xlsx::Workbook book = xlsx::Workbook::Open(template_file);
    edit(book);
    book.SaveAs(template_file);
}

sheet::SetupSheetInput WriterFixture::Input(int rows) const {
    sheet::SetupSheetInput input;
    input.picture_sizes = {"300", "200", "300", "200", "300", "200", "300", "200"};
    input.header = {"대한정밀", "G55", "금형 코어", "CORE-01", "C:\\JOBS\\CORE-01"};
    for (int i = 1; i <= rows; ++i) {
        survey::ToolpathRecord row;
        row.host_name = "HOST-TP-" + std::to_string(i);
        for (int column = survey::kNcName; column <= survey::kCuttingType; ++column) {
            row.SetText(static_cast<survey::Column>(column),
                        "r" + std::to_string(i) + "c" + std::to_string(column));
        }
        input.rows.push_back(row);
    }
    input.name_prefix = "T";
    input.first_nc_name = rows > 0 ? input.rows[0].nc_name : "";
    input.target_folder = output().string();
    return input;
}

SavedWorkbook::SavedWorkbook(const fs::path& file)
    : bytes_(ReadFileBytes(file).value_or("")),
      book_(std::make_unique<xlsx::Workbook>(bytes_, file.string())),
      styles_(Xml("xl/styles.xml")) {
    EXPECT_TRUE(IsSoundWorkbook(bytes_)) << file;
}

std::unique_ptr<pugi::xml_document> SavedWorkbook::Xml(const std::string& part) const {
    auto document = std::make_unique<pugi::xml_document>();
    document->load_string(ReadPart(bytes_, part).c_str());
    return document;
}

std::vector<SavedWorkbook::Picture> SavedWorkbook::Pictures() const {
    constexpr double kEmuPerPoint = 12700;
    std::vector<Picture> pictures;
    xlsx::Worksheet& sheet = book_->Sheet(1);
    auto drawing = Xml("xl/drawings/drawing1.xml");
    for (pugi::xml_node anchor : drawing->document_element().children("xdr:oneCellAnchor")) {
        pugi::xml_node from = anchor.child("xdr:from");
        pugi::xml_node ext = anchor.child("xdr:ext");
        std::string column = xlsx::ColumnLetters(from.child("xdr:col").text().as_int() + 1);
        std::string row = std::to_string(from.child("xdr:row").text().as_int() + 1);
        pictures.push_back(Picture{
            sheet.CellLeft(column + "1") +
                from.child("xdr:colOff").text().as_double() / kEmuPerPoint,
            sheet.CellTop("A" + row) + from.child("xdr:rowOff").text().as_double() / kEmuPerPoint,
            ext.attribute("cx").as_double() / kEmuPerPoint,
            ext.attribute("cy").as_double() / kEmuPerPoint,
        });
    }
    return pictures;
}

pugi::xml_node NthChild(pugi::xml_node parent, const char* name, std::size_t index) {
    pugi::xml_node node = parent.child(name);
    while (node && index-- > 0) node = node.next_sibling(name);
    return node;
}

pugi::xml_node SavedWorkbook::CellFormat(int sheet, const std::string& cell) const {
    auto xml = Xml("xl/worksheets/sheet" + std::to_string(sheet) + ".xml");
    pugi::xml_node found = xml->document_element().find_node([&](pugi::xml_node node) {
        return std::string_view(node.name()) == "c" && node.attribute("r").value() == cell;
    });
    return NthChild(Styles().child("cellXfs"), "xf", found.attribute("s").as_uint(0));
}

}  // namespace orvalis::testing
