// The reader of the setup sheet a new one replaces, on any content of its
// parts: the file under the sheet's name (or given to compare) may hold
// anything. The input is the text of four parts, separated by lines
// "--part--": worksheet 1, worksheet 2, the shared strings and the recorded
// toolpath names. A part it cannot use is a WorkbookError; rows it does read
// compare equal to themselves.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "sheet/setup_sheet_reader.h"
#include "xlsx/package_fixture.h"
#include "xlsx/workbook.h"
#include "xlsx/workbook_error.h"

namespace {

constexpr std::string_view kSeparator = "\n--part--\n";

const char* const kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/></Types>)";
const char* const kPackageRels =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";
const char* const kWorkbook =
    R"(<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="1" sheetId="1" r:id="rId1"/><sheet name="2" sheetId="2" r:id="rId2"/></sheets></workbook>)";
const char* const kWorkbookRels =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet2.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
    R"(<Relationship Id="rId4" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/customXml" Target="../customXml/item1.xml"/></Relationships>)";

std::array<std::string, 4> SplitParts(std::string_view input) {
    std::array<std::string, 4> parts;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        std::size_t end = index + 1 < parts.size() ? input.find(kSeparator) : input.npos;
        parts[index] = std::string(input.substr(0, end));
        input = end == input.npos ? std::string_view() : input.substr(end + kSeparator.size());
    }
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    namespace sheet = orvalis::sheet;
    std::array<std::string, 4> parts = SplitParts(orvalis::fuzz::InputText(data, size));
    std::string package =
        orvalis::testing::MakePackage({{"[Content_Types].xml", kContentTypes},
                                       {"_rels/.rels", kPackageRels},
                                       {"xl/workbook.xml", kWorkbook},
                                       {"xl/_rels/workbook.xml.rels", kWorkbookRels},
                                       {"xl/worksheets/sheet1.xml", parts[0]},
                                       {"xl/worksheets/sheet2.xml", parts[1]},
                                       {"xl/sharedStrings.xml", parts[2]},
                                       {"customXml/item1.xml", parts[3]}});
    try {
        orvalis::xlsx::Workbook book(package, "fuzz.xlsx");
        sheet::RequireSameLayout(book, book, "fuzz.xlsx");
        std::vector<sheet::SheetRow> rows = sheet::ReadSheetRows(book);
        orvalis::fuzz::Require(rows.size() <= sheet::kSheetToolpaths, "at most 60 rows are read");
        orvalis::fuzz::Require(sheet::CompareSheetRows(rows, rows).None(),
                               "rows compare equal to themselves");
    } catch (const orvalis::xlsx::WorkbookError&) {
        // Refused with the reason, as the writer tells the user.
    }
    return 0;
}
