#pragma once

#include <functional>
#include <string>
#include <vector>

#include "capture/block_boxes.h"

namespace orvalis::capture {

// The glyph folder the labels are built from.
inline constexpr const char* kFontFolder = "C:\\TARVEL\\ORVALIS\\FONT\\";

// The two label scales, computed once per run from the X extent of the
// boxes: the X and Y labels use E / 2 / 6.5, the Z labels and view titles
// E / 2 / 6.842.
struct LabelScales {
    double label = 0.0;
    double z = 0.0;
};
LabelScales ScalesFor(const BlockBoxes& boxes);

// The command lines that write the block limits into the host's scene as six
// labels ('X-MAX' ... 'Z-MIN') and add the four view titles, in the order
// they are sent. `scratch` is given each label's characters, one per entry,
// and emptied after the label (the panel's List2).
using ScratchList = std::function<void(const std::vector<std::string>& characters)>;
std::vector<std::string> AnnotationCommands(const BlockBoxes& boxes, const LabelScales& scales,
                                            const ScratchList& scratch = {});

// How far the pen moves after a character, in glyph units; characters that
// are neither a digit nor "." have no glyph and do not move the pen.
double AdvanceWidth(char c);

}  // namespace orvalis::capture
