#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "xlsx/cell_ref.h"
#include "xlsx/drawing_part.h"
#include "xlsx/font_metrics.h"
#include "xlsx/part_store.h"
#include "xlsx/sheet_geometry.h"

namespace orvalis::xlsx {

// One worksheet of an open workbook. Cells are addressed as "A12".
class Worksheet {
  public:
    Worksheet(PartStore& store, std::string part, std::string shared_strings_part,
              FontMetrics font);

    const std::string& part() const { return part_; }

    // Sets the cell to `text`, stored as text whatever it looks like (the
    // sheet then warns about no number stored as text); the empty text
    // empties the cell. The cell keeps its format.
    void SetText(std::string_view cell, std::string_view text);

    // The text the cell holds (shared, inline or plain value), empty when none.
    std::string Text(std::string_view cell);

    // The first cell, row by row, whose text is `text`; nothing when none is.
    std::optional<std::string> FindText(std::string_view text);

    // The index of the cell's format (0 for a cell without one), and a new
    // one for it; the cell is created when missing.
    int Style(std::string_view cell);
    void SetStyle(std::string_view cell, int style);

    // The cells of the merged range whose top left corner is `cell`, row by
    // row; `cell` alone when no range starts there.
    std::vector<std::string> MergedFrom(std::string_view cell);

    // The cell's left and top edge, in points from the sheet's corner.
    double CellLeft(std::string_view cell);
    double CellTop(std::string_view cell);

    // The row's height in points, and a height of its own for it.
    double RowHeight(int row);
    void SetRowHeight(int row, double points);
    // The height of one line of text in the workbook's default font.
    double LineHeight() const { return font_.default_row_height; }
    // The lines `text` takes when wrapped in `cell`, across its merged range.
    int WrappedLines(std::string_view cell, std::string_view text);

    // Adds a PNG picture at the frame's position and size (points). Its
    // anchor is the cell the frame's corner falls in, so an offset wider than
    // a column is carried into the columns after it.
    void InsertPicture(std::string png, const PictureFrame& frame, std::string_view description);

    void SetActiveCell(std::string_view cell);
    void SetTabSelected(bool selected);

    // True once a cell's content was changed.
    bool cells_changed() const { return cells_changed_; }

    // Brings the sheet's used range and its warning switches up to date.
    void PrepareSave();

  private:
    pugi::xml_node ReadRoot();
    pugi::xml_node EditRoot();
    const SheetGeometry& Geometry();
    pugi::xml_node FindCell(const CellRef& ref);
    // The cell, created when missing, in a sheet now counted as changed.
    pugi::xml_node CellForEdit(const CellRef& ref);
    std::string TextOf(pugi::xml_node cell);
    std::string SharedString(std::size_t index);
    std::string DrawingPart();
    std::string CreateDrawingPart();
    void Extend(const CellRef& ref);
    void UpdateDimension(pugi::xml_node root);
    void SwitchOffTextWarnings(pugi::xml_node root);

    PartStore& store_;
    std::string part_;
    std::string shared_strings_part_;
    FontMetrics font_;
    std::optional<SheetGeometry> geometry_;
    std::optional<std::string> drawing_part_;
    bool cells_changed_ = false;
    std::optional<CellRef> written_first_;
    std::optional<CellRef> written_last_;
    std::vector<pugi::xml_node> shared_strings_;
    bool shared_strings_read_ = false;
};

}  // namespace orvalis::xlsx
