#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "sheet/setup_sheet.h"
#include "support/temp_folder.h"
#include "xlsx/workbook.h"

namespace orvalis::testing {

// Where grid columns 2 to 13 go on the first and the continuation page,
// written out here so that the tests do not take the writer's word for it.
inline constexpr const char* kFirstPageColumns[] = {"A", "D", "F", "G", "H", "I",
                                                    "J", "M", "N", "O", "P", "R"};
inline constexpr const char* kSecondPageColumns[] = {"A", "D", "F", "G", "H", "I",
                                                     "J", "K", "L", "M", "N", "P"};

// A data folder filled from the shipped files, with four small view bitmaps
// (written as the capture names them: Top.bmp, ISO.bmp, Front.bmp,
// Right.bmp), and an empty output folder.
class WriterFixture {
  public:
    WriterFixture();

    const TempDrives& drives() const { return drives_; }
    const std::filesystem::path& output() const { return output_.path(); }
    // Every file in the output folder, temporary ones included.
    std::vector<std::string> OutputFiles() const;

    // Changes the data folder's setup-sheet template as a shop would.
    void EditTemplate(const std::function<void(xlsx::Workbook&)>& edit) const;

    // A setup sheet of `rows` toolpaths: row i's host name is "HOST-TP-i"
    // and its column c "r<i>c<c>"; sizes 300 x 200; prefix "T".
    sheet::SetupSheetInput Input(int rows) const;

  private:
    TempDrives drives_;
    TempFolder output_;
};

// A saved workbook, opened again for reading; it must be sound.
class SavedWorkbook {
  public:
    explicit SavedWorkbook(const std::filesystem::path& file);

    const std::string& bytes() const { return bytes_; }
    xlsx::Workbook& book() { return *book_; }
    std::string Text(int sheet, const std::string& cell) { return book_->Sheet(sheet).Text(cell); }
    std::unique_ptr<pugi::xml_document> Xml(const std::string& part) const;

    // Where a picture stands on the sheet, in points from its top-left corner.
    struct Picture {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
    };
    // The pictures of the first sheet's drawing, in order.
    std::vector<Picture> Pictures() const;
    // The styles part, and a cell's format in it (of cellXfs).
    pugi::xml_node Styles() const { return styles_->document_element(); }
    pugi::xml_node CellFormat(int sheet, const std::string& cell) const;

  private:
    std::string bytes_;
    std::unique_ptr<xlsx::Workbook> book_;
    std::unique_ptr<pugi::xml_document> styles_;
};

// The `index`th child of `parent` named `name`; empty when there are fewer.
pugi::xml_node NthChild(pugi::xml_node parent, const char* name, std::size_t index);

}  // namespace orvalis::testing
