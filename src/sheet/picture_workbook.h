#pragma once

#include <filesystem>
#include <string>

namespace orvalis::sheet {

struct PictureWorkbookInput {
    std::string item;           // "품  명"
    std::string part_name;      // "부품명"
    std::string target_folder;  // the folder panel's folder (a path of this machine)
    bool overwrite = false;     // an existing picture workbook there may be replaced
};

// The picture template in the data folder.
std::string PictureWorkbookTemplateFile();

// The picture workbook's fixed name, whatever the NC name prefix.
inline constexpr const char* kPictureWorkbookName = "IMAGE";

// Fills the picture template with the four view pictures at 300 x 200
// points, the item and the part name, and saves it as IMAGE with the
// template's extension in the target folder. Returns the saved file. Throws
// SheetError; nothing is saved then.
std::filesystem::path WritePictureWorkbook(const PictureWorkbookInput& input);

}  // namespace orvalis::sheet
