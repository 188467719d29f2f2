#include "sim/nc/nc_motion.h"

#include <algorithm>
#include <cmath>

namespace orvalis::sim {

namespace {

constexpr double kSafeClearance = 10;   // rapid height above the stock's top
constexpr double kStartClearance = 5;   // where the rapid descent gives way to the plunge
constexpr int kMostContourLevels = 40;  // a tiny step-down still makes a short program

bool SamePoint(const Point3& a, const Point3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Rapid down to just above `first`, never below the clearance above the
// stock's top (a rapid into the material breaks the tool), then plunge onto it.
void EnterAt(ToolpathMotion& motion, const Point3& first, double stock_top) {
    motion.entry = {first.x, first.y, motion.safe_z};
    double start_z = std::min(std::max(first.z, stock_top) + kStartClearance, motion.safe_z);
    if (start_z < motion.safe_z) {
        motion.moves.push_back({MoveKind::kRapid, {first.x, first.y, start_z}});
    }
    motion.moves.push_back({MoveKind::kPlunge, first});
}

void Retract(ToolpathMotion& motion) {
    Point3 last = motion.moves.empty() ? motion.entry : motion.moves.back().to;
    motion.moves.push_back({MoveKind::kRapid, {last.x, last.y, motion.safe_z}});
}

ToolpathMotion PointMotion(const std::vector<Point3>& points, double stock_top) {
    ToolpathMotion motion;
    double highest = stock_top;
    for (const Point3& point : points) highest = std::max(highest, point.z);
    motion.safe_z = highest + kSafeClearance;
    EnterAt(motion, points.front(), stock_top);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point3& from = points[i - 1];
        const Point3& to = points[i];
        if (SamePoint(to, from)) continue;
        // Straight down into the material goes at the plunge feed.
        bool down = to.x == from.x && to.y == from.y && to.z < from.z;
        motion.moves.push_back({down ? MoveKind::kPlunge : MoveKind::kCut, to});
    }
    Retract(motion);
    return motion;
}

// The levels of the contour, from the first cut below the top to the lowest
// point. Without a step-down of its own the tool goes half its diameter deeper
// each level, a depth of cut any of the shop's tools takes.
std::vector<double> ContourLevels(const Toolpath& toolpath, const Tool& tool, double top) {
    double lowest = toolpath.lowest_z;
    if (lowest >= top) return {lowest};
    double stepdown = toolpath.stepdown.value_or(tool.diameter / 2);
    double depth = top - lowest;
    double count = std::min(std::ceil(depth / stepdown), double{kMostContourLevels});
    double step = std::max(stepdown, depth / count);
    std::vector<double> levels;
    for (int k = 1; k < static_cast<int>(count); ++k) {
        double z = top - k * step;
        if (z <= lowest) break;
        levels.push_back(z);
    }
    levels.push_back(lowest);
    return levels;
}

// The two limits of one axis brought in by `inset` on each side; the middle
// when the stock is narrower than that.
std::pair<double, double> Inside(double low, double high, double inset) {
    if (high - low <= 2 * inset) return {(low + high) / 2, (low + high) / 2};
    return {low + inset, high - inset};
}

ToolpathMotion ContourMotion(const Toolpath& toolpath, const Tool& tool, const Limits& stock) {
    // A negative allowance (an electrode's spark gap) cuts past the stock's
    // faces by that much.
    double inset = tool.diameter / 2 + toolpath.thickness.radial;
    auto [x0, x1] = Inside(stock[0], stock[1], inset);
    auto [y0, y1] = Inside(stock[2], stock[3], inset);
    std::vector<double> levels = ContourLevels(toolpath, tool, stock[5]);
    ToolpathMotion motion;
    motion.safe_z = std::max(stock[5], toolpath.lowest_z) + kSafeClearance;
    EnterAt(motion, {x0, y0, levels.front()}, stock[5]);
    for (std::size_t k = 0; k < levels.size(); ++k) {
        double z = levels[k];
        if (k > 0) motion.moves.push_back({MoveKind::kPlunge, {x0, y0, z}});
        for (const Point3& corner :
             {Point3{x1, y0, z}, Point3{x1, y1, z}, Point3{x0, y1, z}, Point3{x0, y0, z}}) {
            motion.moves.push_back({MoveKind::kCut, corner});
        }
    }
    Retract(motion);
    return motion;
}

}  // namespace

ToolpathMotion MotionOf(const Toolpath& toolpath, const Tool& tool, const Limits& stock) {
    if (!toolpath.points.empty()) return PointMotion(toolpath.points, stock[5]);
    return ContourMotion(toolpath, tool, stock);
}

}  // namespace orvalis::sim
