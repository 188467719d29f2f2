#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvalis::testing {

using Parts = std::vector<std::pair<std::string, std::string>>;

// A zip archive of the parts, in order, deflated.
std::string MakePackage(const Parts& parts);

// The bytes of one part; empty when it is missing.
std::string ReadPart(const std::string& package, const std::string& name);
std::vector<std::string> PartNames(const std::string& package);

// A workbook of two worksheets in the usual layout, in Calibri 11. The sheets' XML is the
// worksheet's children; the lists add parts, content-type overrides and
// workbook relationships (ids from rId10 on are free).
struct WorkbookFixture {
    std::string sheet1 = "<sheetData/>";
    std::string sheet1_rels;  // the whole relationships part, or none
    std::string sheet2 = "<sheetData/>";
    Parts extra_parts;
    std::vector<std::string> extra_overrides;
    std::vector<std::string> extra_workbook_rels;
    std::string shared_strings = "<si><t>label</t></si>";
    std::string defined_names;  // the children of the workbook's definedNames
    bool second_sheet_selected = false;
};
std::string BuildWorkbook(const WorkbookFixture& fixture);

}  // namespace orvalis::testing
