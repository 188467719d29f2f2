#include "xlsx/sheet_geometry.h"

#include <algorithm>
#include <cmath>

#include "xlsx/cell_ref.h"

namespace orvalis::xlsx {

namespace {

bool IsSet(pugi::xml_attribute attribute) {
    std::string_view value = attribute.value();
    return value == "1" || value == "true";
}

}  // namespace

double SheetGeometry::StoredWidthToPoints(double width, int max_digit_width) {
    double digit = max_digit_width;
    double pixels = std::trunc((256.0 * width + std::trunc(128.0 / digit)) / 256.0 * digit);
    return std::max(0.0, pixels) * kPointsPerPixel;
}

SheetGeometry::SheetGeometry(const pugi::xml_document& worksheet, const FontMetrics& font)
    : max_digit_width_(font.max_digit_width) {
    pugi::xml_node root = worksheet.document_element();
    ReadFormat(root.child("sheetFormatPr"), font);
    ReadColumns(root.child("cols"));
    ReadRows(root.child("sheetData"));
}

void SheetGeometry::ReadFormat(pugi::xml_node format, const FontMetrics& font) {
    if (pugi::xml_attribute width = format.attribute("defaultColWidth")) {
        default_column_width_ = StoredWidthToPoints(width.as_double(), max_digit_width_);
    } else {
        // baseColWidth digits plus 5 pixels of margin and gridline, rounded
        // up to a multiple of 8 pixels.
        int base = format.attribute("baseColWidth").as_int(8);
        int pixels = base * max_digit_width_ + 5;
        int rounded_pixels = (pixels + 7) / 8 * 8;
        default_column_width_ = rounded_pixels * kPointsPerPixel;
    }
    default_row_height_ = format.attribute("defaultRowHeight").as_double(font.default_row_height);
    if (IsSet(format.attribute("zeroHeight"))) default_row_height_ = 0;
}

void SheetGeometry::ReadColumns(pugi::xml_node cols) {
    for (pugi::xml_node col : cols.children("col")) {
        int first = std::clamp(col.attribute("min").as_int(1), 1, kMaxColumns);
        int last = std::clamp(col.attribute("max").as_int(first), first, kMaxColumns);
        double width = default_column_width_;
        if (pugi::xml_attribute stored = col.attribute("width")) {
            width = StoredWidthToPoints(stored.as_double(), max_digit_width_);
        }
        if (IsSet(col.attribute("hidden"))) width = 0;
        columns_.push_back(ColumnRange{first, last, width});
    }
}

void SheetGeometry::ReadRows(pugi::xml_node sheet_data) {
    int number = 0;
    for (pugi::xml_node row : sheet_data.children("row")) {
        number = row.attribute("r").as_int(number + 1);
        if (IsSet(row.attribute("hidden"))) {
            row_heights_[number] = 0;
        } else if (pugi::xml_attribute height = row.attribute("ht")) {
            row_heights_[number] = std::max(0.0, height.as_double());
        }
    }
}

double SheetGeometry::ColumnWidth(int column) const {
    for (const ColumnRange& range : columns_) {
        if (column >= range.first && column <= range.last) return range.width;
    }
    return default_column_width_;
}

double SheetGeometry::RowHeight(int row) const {
    auto found = row_heights_.find(row);
    return found == row_heights_.end() ? default_row_height_ : found->second;
}

double SheetGeometry::ColumnLeft(int column) const {
    double left = (column - 1) * default_column_width_;
    for (const ColumnRange& range : columns_) {
        int covered = std::min(range.last, column - 1) - range.first + 1;
        if (covered > 0) left += covered * (range.width - default_column_width_);
    }
    return left;
}

double SheetGeometry::RowTop(int row) const {
    double top = (row - 1) * default_row_height_;
    for (auto it = row_heights_.begin(); it != row_heights_.end() && it->first < row; ++it) {
        top += it->second - default_row_height_;
    }
    return top;
}

namespace {

// The cell along one axis that `at` falls in, from the cells' sizes in turn;
// the last cell takes everything beyond.
template <typename SizeOf>
SheetGeometry::Place Locate(double at, int last, SizeOf size_of) {
    double start = 0;
    for (int index = 1; index < last; ++index) {
        double size = size_of(index);
        if (at < start + size) return {index, at - start};
        start += size;
    }
    return {last, at - start};
}

}  // namespace

SheetGeometry::Place SheetGeometry::LocateColumn(double x) const {
    return Locate(x, kMaxColumns, [this](int column) { return ColumnWidth(column); });
}

SheetGeometry::Place SheetGeometry::LocateRow(double y) const {
    return Locate(y, kMaxRows, [this](int row) { return RowHeight(row); });
}

}  // namespace orvalis::xlsx
