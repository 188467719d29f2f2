#pragma once

#include <map>
#include <pugixml.hpp>
#include <vector>

#include "xlsx/font_metrics.h"

namespace orvalis::xlsx {

// Where the cells of a worksheet lie, in points from the sheet's top left
// corner, as the spreadsheet lays them out: column widths are counted in the
// default font's digit width and turned into whole pixels (96 per inch, 0.75
// points each); rows are as high as stored, or the sheet's default height.
class SheetGeometry {
  public:
    SheetGeometry(const pugi::xml_document& worksheet, const FontMetrics& font);

    double ColumnWidth(int column) const;
    double RowHeight(int row) const;
    double ColumnLeft(int column) const;
    double RowTop(int row) const;

    // The column or row a position falls in (1-based) and the position's
    // distance from its left or top edge. A position on an edge belongs to the
    // column or row that starts there.
    struct Place {
        int index = 1;
        double offset = 0;
    };
    Place LocateColumn(double x) const;
    Place LocateRow(double y) const;

    // A column width as stored (in digit widths, padding included) in points.
    static double StoredWidthToPoints(double width, int max_digit_width);

  private:
    struct ColumnRange {
        int first;
        int last;
        double width;  // points
    };

    void ReadFormat(pugi::xml_node format, const FontMetrics& font);
    void ReadColumns(pugi::xml_node cols);
    void ReadRows(pugi::xml_node sheet_data);

    int max_digit_width_;
    double default_column_width_ = 48;
    double default_row_height_ = 15;
    std::vector<ColumnRange> columns_;
    std::map<int, double> row_heights_;  // rows with their own height
};

}  // namespace orvalis::xlsx
