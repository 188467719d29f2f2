#pragma once

#include <stdexcept>
#include <string>

namespace orvalis::sheet {

// Why a setup sheet or picture workbook was not written. When it is thrown
// nothing was saved: the target folder holds no new or partial file.
class SheetError : public std::runtime_error {
  public:
    enum class Kind {
        kPictureSize,     // a picture-size box holds no usable size; box() says which
        kWorkbookName,    // the workbook's name is empty or cannot be a file name
        kWorkbookExists,  // the workbook exists and replacing it was not allowed
        kTemplate,        // the template is missing or damaged
        kBitmap,          // a view bitmap is missing or unreadable
        kSave,            // the workbook could not be written
        kCellText,        // a text is longer than a cell holds; subject() is its start
    };

    // `subject` is the file for the file kinds, the name for kWorkbookName
    // and the box's text for kPictureSize.
    SheetError(Kind kind, std::string subject, const std::string& reason, int box = -1)
        : std::runtime_error(reason), kind_(kind), subject_(std::move(subject)), box_(box) {}

    Kind kind() const { return kind_; }
    const std::string& subject() const { return subject_; }
    // For kPictureSize, the box from 0 to 7: TOP width, TOP height, ISO width,
    // ISO height, Front width, Front height, Right width, Right height.
    int box() const { return box_; }

  private:
    Kind kind_;
    std::string subject_;
    int box_;
};

}  // namespace orvalis::sheet
