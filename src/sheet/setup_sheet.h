#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data_files/picture_size_file.h"
#include "sheet/setup_sheet_reader.h"
#include "survey/toolpath_table.h"

namespace orvalis::sheet {

// The header boxes of the main window, as the sheet shows them.
struct SheetHeader {
    std::string company;        // "회사명"
    std::string work_offset;    // "좌 표", G54 to G59
    std::string item;           // "품  명"
    std::string part_name;      // "부품명"
    std::string file_location;  // the host project's folder
};

struct SetupSheetInput {
    settings::PictureSizeTexts picture_sizes;  // the settings window's eight boxes, as typed
    SheetHeader header;
    // Table rows 0 to N - 1, N the survey-list count.
    std::vector<survey::ToolpathRecord> rows;
    std::string name_prefix;    // the NC name prefix box
    std::string first_nc_name;  // the first row's NC name, named after when no prefix
    std::string target_folder;  // the folder panel's folder (a path of this machine)
    bool overwrite = false;     // an existing workbook of that name may be replaced
    bool mark_changes = true;   // mark what changed since the workbook it replaces
};

// What a written setup sheet says about the one it replaced.
struct SetupSheetResult {
    std::filesystem::path file;
    // What changed since the replaced sheet, marked on the new one; nothing
    // when no sheet was replaced, marks were off, or it could not be read.
    std::optional<SheetComparison> comparison;
    // Why a replaced sheet could not be compared; empty when it could.
    std::string marks_skipped;
};

// The setup-sheet template in the data folder.
std::string SetupSheetTemplateFile();

// The prefix when it is not empty, else the NC name of the table's first row.
std::string SetupSheetName(const std::string& name_prefix, const std::string& first_nc_name);

// Fills the setup-sheet template: the four view pictures at their sizes, the
// header on the first page, toolpaths 1 to 19 on the first page and the rest
// on the continuation page (which then repeats the header), and saves it into
// the target folder under the sheet's name with the template's extension.
// With `mark_changes`, a workbook it replaces is read first and what changed
// is marked on the new sheet. The first page shows the total machining time
// and the number of tools where the template has room for them.
// Throws SheetError; nothing is saved then.
SetupSheetResult WriteSetupSheet(const SetupSheetInput& input);

}  // namespace orvalis::sheet
