#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/project.h"

namespace orvalis::sim {

enum class TransformType { kMove, kRotateX, kRotateY, kRotateZ, kScaleAll, kWorkplane };

// The host's transform form: what the next "TRANSFORM PATTERN ..." applies.
// "TRANSFORM RESET" brings it back to these values.
struct TransformSetup {
    TransformType type = TransformType::kMove;
    Point3 move;       // MOVEX, MOVEY, MOVEZ
    double angle = 0;  // degrees, for the turns
    double scale = 1;  // SCALEVALUE
};

// What the host holds selected in one pattern: item indices in ascending
// order, and the items its last insertion added ([begin, end)).
struct PatternItems {
    std::vector<std::size_t> selected;
    std::size_t inserted_begin = 0;
    std::size_t inserted_end = 0;
};

enum class ViewDirection { kTop, kFront, kRight, kIso };

// The part of the view plane the picture shows, in model units: its centre
// along the view's right and up directions and its half width and height.
struct ViewWindow {
    double centre_right = 0;
    double centre_up = 0;
    double half_width = 1;
    double half_height = 1;
};

struct Colour {
    double red = 0;
    double green = 0;
    double blue = 0;
};

// What the host shows: which entities are drawn, how the view looks at them,
// and the selection and transform the pattern commands work with.
struct Scene {
    std::set<std::string> drawn_patterns;
    bool block_drawn = false;
    int block_draw_mode = 0;
    bool axes_drawn = true;
    bool transform_drawn = true;
    bool model_shaded = true;
    bool model_wireframe = false;
    // Colours set by name in upper case ("MODEL", "BLOCKWIREFRAME"); a name
    // that is absent has the host's default.
    std::map<std::string, Colour> colours;
    ViewDirection view = ViewDirection::kIso;
    // Set by a view command with RESIZEVIEW; a bitmap without one fits the
    // view to what is drawn when it is kept.
    std::optional<ViewWindow> fitted;
    TransformSetup transform;
    std::string explorer_pattern;  // the pattern the explorer has selected
    std::map<std::string, PatternItems> pattern_items;
};

}  // namespace orvalis::sim
