#pragma once

#include <vector>

#include "sim/project.h"

namespace orvalis::sim {

enum class MoveKind {
    kRapid,   // at the machine's rapid rate
    kPlunge,  // feeding down into the material
    kCut,     // at the cutting feed
};

struct NcMove {
    MoveKind kind = MoveKind::kCut;
    Point3 to;
};

// How a toolpath moves the tool: from the entry point above its first cut,
// down into the material, along the cut and back up to the safe height.
struct ToolpathMotion {
    double safe_z = 0;  // clear of the stock and of every point of the path
    Point3 entry;       // above the first cut point, at the safe height
    std::vector<NcMove> moves;
};

// The toolpath's own points when it has them. Otherwise a short contour
// around the stock, inside it by the tool's radius and the allowance, cut
// level by level from the stock's top down to the toolpath's lowest point at
// its step-down (half the tool's diameter when it has none).
ToolpathMotion MotionOf(const Toolpath& toolpath, const Tool& tool, const Limits& stock);

}  // namespace orvalis::sim
