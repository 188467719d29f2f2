#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xlsx/cell_fills.h"
#include "xlsx/part_store.h"
#include "xlsx/worksheet.h"

namespace orvalis::xlsx {

// An Office Open XML workbook opened from a template: cells, pictures and the
// selection are changed in memory, and saving writes a new file in which
// every part that was not changed keeps its bytes.
class Workbook {
  public:
    // Throws WorkbookError naming the file when it is missing, not a
    // workbook, or damaged.
    static Workbook Open(const std::filesystem::path& file);
    // A workbook from the bytes of a file; `origin` names it in errors.
    Workbook(std::string bytes, std::string origin);

    Workbook(Workbook&&) noexcept;
    Workbook& operator=(Workbook&&) noexcept;
    ~Workbook();

    // The worksheets, in tab order (chart sheets are not counted).
    int SheetCount() const { return static_cast<int>(sheets_.size()); }
    // Worksheet 1 is the first. Throws std::out_of_range past the last.
    Worksheet& Sheet(int position);

    // Makes the worksheet the active one, shown when the workbook is opened,
    // with `cell` as its active cell.
    void Select(int position, std::string_view cell);

    // Gives the cell of worksheet `position` a solid fill of colour `argb`
    // ("FFFFEB9C") over the format it has; a merged range starting there is
    // filled whole. Throws WorkbookError when the workbook has no styles.
    void FillCell(int position, std::string_view cell, std::string_view argb);

    // Widens the print area of worksheet `position` down and across to
    // `cell`, so what is written below the template's area is printed too.
    // A sheet without a print area, or with several, is left as it is.
    void IncludeInPrintArea(int position, std::string_view cell);

    // Data of ORVALIS's own kept with the workbook, unseen on its sheets: a
    // custom XML part, which spreadsheet programs carry along when they save.
    void AddCustomXml(std::string_view xml);
    // The custom XML parts: those the workbook relates, then those the
    // package relates (where LibreOffice moves them when it saves), then any
    // other XML data part in customXml/ whose relationship a program dropped.
    std::vector<const pugi::xml_document*> CustomXml();

    std::string SaveToBytes();
    // Writes a temporary file beside `file` and renames it, so the file is
    // either the whole new workbook or untouched. Throws WorkbookError; when
    // `replace` is false and the file exists by then, FileExistsError.
    void SaveAs(const std::filesystem::path& file, bool replace = true);

  private:
    struct SheetEntry {
        int tab = 0;  // position among all sheets, from 0
        std::unique_ptr<Worksheet> sheet;
    };

    void ReadWorkbookPart();
    FontMetrics ReadDefaultFont(const std::string& styles_part);
    void SetActiveTab(int tab);
    void DropCalculationChain();
    std::vector<std::string> CustomXmlParts();

    std::unique_ptr<PartStore> store_;
    std::string workbook_part_;
    std::string styles_part_;
    std::unique_ptr<CellFills> fills_;
    std::vector<SheetEntry> sheets_;
};

}  // namespace orvalis::xlsx
