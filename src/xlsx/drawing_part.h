#pragma once

#include <pugixml.hpp>
#include <string_view>

namespace orvalis::xlsx {

// A picture's place on the sheet, in points from the sheet's top left corner.
struct PictureFrame {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The cell a picture's top left corner lies in (1-based) and how far into
// that cell, in points.
struct CellAnchor {
    int column = 1;
    double column_offset = 0;
    int row = 1;
    double row_offset = 0;
};

// The text of a drawing part that holds no picture yet.
std::string_view EmptyDrawingXml();

// Adds a picture to a drawing part: anchored at `anchor`, of the frame's
// size, showing the image of relationship `image_id`. The frame's left and
// top are written as the picture's absolute position as well.
void AppendPicture(pugi::xml_node drawing_root, const CellAnchor& anchor, const PictureFrame& frame,
                   std::string_view image_id, std::string_view description);

}  // namespace orvalis::xlsx
