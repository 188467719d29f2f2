#include "sim/nc/nc_motion.h"

#include <gtest/gtest.h>

namespace orvalis::sim {
namespace {

const Limits kStock = {-50, 50, -30, 30, -40, 0};  // top at Z 0

Tool EndMill(double diameter) {
    Tool tool;
    tool.name = "D" + std::to_string(static_cast<int>(diameter));
    tool.diameter = diameter;
    return tool;
}

// A rapid move is never aimed lower than 5 mm above the stock's top, wherever
// the first cut lies: the way down into the material is at the plunge feed.
TEST(SimNcMotion, RapidsStayAboveTheStockWhereverTheFirstCutIs) {
    struct Case {
        const char* what;
        Toolpath toolpath;
    };
    Toolpath deep_points;
    deep_points.points = {{10, 5, -20}, {30, 5, -20}, {30, 15, -20}};
    Toolpath above_points;
    above_points.points = {{10, 5, 12}, {30, 5, 12}};
    Toolpath contour;
    contour.lowest_z = -12;
    contour.stepdown = 4;
    Toolpath shallow_contour;
    shallow_contour.lowest_z = -1;
    const Case cases[] = {{"points deep in the stock", deep_points},
                          {"points above the stock", above_points},
                          {"a contour down to -12", contour},
                          {"a contour 1 mm deep", shallow_contour}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ToolpathMotion motion = MotionOf(c.toolpath, EndMill(10), kStock);
        ASSERT_FALSE(motion.moves.empty());
        EXPECT_GE(motion.entry.z, 10.0);
        for (const NcMove& move : motion.moves) {
            if (move.kind == MoveKind::kRapid) {
                EXPECT_GE(move.to.z, 5.0);
            }
        }
        // The first move that reaches the cut level is a plunge.
        const NcMove& into = motion.moves[motion.moves[0].kind == MoveKind::kRapid ? 1 : 0];
        EXPECT_EQ(into.kind, MoveKind::kPlunge);
    }
    ToolpathMotion deep = MotionOf(deep_points, EndMill(10), kStock);
    ASSERT_GE(deep.moves.size(), 2u);
    EXPECT_EQ(deep.moves[0].kind, MoveKind::kRapid);
    EXPECT_DOUBLE_EQ(deep.moves[0].to.z, 5.0);
    EXPECT_DOUBLE_EQ(deep.moves[1].to.z, -20.0);
}

// An electrode's spark gap is a negative allowance: the contour runs that
// much outside the finished face instead of on it.
TEST(SimNcMotion, ANegativeAllowanceMovesTheContourOutward) {
    struct Case {
        double radial;
        double x0;
        double y0;
    };
    const Case cases[] = {{0.0, -45.0, -25.0}, {0.3, -44.7, -24.7}, {-0.2, -45.2, -25.2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radial);
        Toolpath toolpath;
        toolpath.lowest_z = -5;
        toolpath.thickness.radial = c.radial;
        ToolpathMotion motion = MotionOf(toolpath, EndMill(10), kStock);
        EXPECT_DOUBLE_EQ(motion.entry.x, c.x0);
        EXPECT_DOUBLE_EQ(motion.entry.y, c.y0);
        double most_x = -1e9;
        for (const NcMove& move : motion.moves) most_x = std::max(most_x, move.to.x);
        EXPECT_DOUBLE_EQ(most_x, -c.x0);
    }
}

}  // namespace
}  // namespace orvalis::sim
