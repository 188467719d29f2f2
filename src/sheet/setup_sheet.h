#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/picture_size_file.h"

namespace orvalis::sheet {

// The header boxes of the main window, as the sheet shows them.
struct SheetHeader {
    std::string company;        // "회사명"
    std::string work_offset;    // "좌 표", G54 to G59
    std::string item;           // "품  명"
    std::string part_name;      // "부품명"
    std::string file_location;  // the host project's folder
};

// One row of the toolpath grid: its columns 1 to 13 (host toolpath name, NC
// name, tool, allowance, step-down, step-over, lowest point, machining time,
// tool length, shank length, holder length, holder diameter, cutting type).
using ToolpathRow = std::array<std::string, 13>;

struct SetupSheetInput {
    settings::PictureSizeTexts picture_sizes;  // the settings window's eight boxes, as typed
    SheetHeader header;
    std::vector<ToolpathRow> rows;  // grid rows 1 to N, N the surveyed toolpath count
    std::string name_prefix;        // the NC name prefix box
    std::string first_nc_name;      // the grid's row 1 NC name, named after when no prefix
    std::string target_folder;      // the folder panel's folder (a path of this machine)
    bool overwrite = false;         // an existing workbook of that name may be replaced
};

// The setup-sheet template in the data folder.
std::string SetupSheetTemplateFile();

// The prefix when it is not empty, else the NC name of the grid's first row.
std::string SetupSheetName(const std::string& name_prefix, const std::string& first_nc_name);

// Fills the setup-sheet template: the four view pictures at their sizes, the
// header on the first page, toolpaths 1 to 19 on the first page and the rest
// on the continuation page (which then repeats the header), and saves it into
// the target folder under the sheet's name with the template's extension.
// Returns the saved file. Throws SheetError; nothing is saved then.
std::filesystem::path WriteSetupSheet(const SetupSheetInput& input);

}  // namespace orvalis::sheet
