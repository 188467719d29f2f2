#include "sim/scene_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvalis::sim {

namespace {

// The part of the picture kept free on each side.
constexpr double kMargin = 0.05;

std::vector<Polyline> BlockEdges(const Limits& l) {
    std::vector<Polyline> edges;
    for (double z : {l[4], l[5]}) {
        edges.push_back(
            {{l[0], l[2], z}, {l[1], l[2], z}, {l[1], l[3], z}, {l[0], l[3], z}, {l[0], l[2], z}});
    }
    for (double x : {l[0], l[1]}) {
        for (double y : {l[2], l[3]}) edges.push_back({{x, y, l[4]}, {x, y, l[5]}});
    }
    return edges;
}

struct Extent {
    double min_right = std::numeric_limits<double>::infinity();
    double max_right = -std::numeric_limits<double>::infinity();
    double min_up = std::numeric_limits<double>::infinity();
    double max_up = -std::numeric_limits<double>::infinity();

    void Add(const Point3& point, const ViewPlane& plane) {
        double right = Along(point, plane.right);
        double up = Along(point, plane.up);
        min_right = std::min(min_right, right);
        max_right = std::max(max_right, right);
        min_up = std::min(min_up, up);
        max_up = std::max(max_up, up);
    }
    bool empty() const { return min_right > max_right; }
};

}  // namespace

ViewPlane PlaneOf(ViewDirection direction) {
    const double r2 = 1 / std::sqrt(2.0);
    const double r6 = 1 / std::sqrt(6.0);
    switch (direction) {
        case ViewDirection::kTop:
            return {{1, 0, 0}, {0, 1, 0}};
        case ViewDirection::kFront:
            return {{1, 0, 0}, {0, 0, 1}};
        case ViewDirection::kRight:
            return {{0, 1, 0}, {0, 0, 1}};
        case ViewDirection::kIso:
            return {{r2, r2, 0}, {-r6, r6, 2 * r6}};
    }
    return {{1, 0, 0}, {0, 1, 0}};
}

void ForEachDrawnLine(const HostState& state, const std::function<void(const Polyline&)>& visit) {
    const Project& project = state.project;
    const Scene& scene = state.scene;
    if (scene.model_shaded || scene.model_wireframe) {
        for (const Polyline& polyline : project.model_wireframe) visit(polyline);
    }
    if (scene.block_drawn && project.block.exists) {
        for (const Polyline& edge : BlockEdges(project.block.limits)) visit(edge);
    }
    for (const Pattern& pattern : project.patterns) {
        if (!scene.drawn_patterns.count(pattern.name)) continue;
        for (const Polyline& polyline : pattern.polylines) visit(polyline);
    }
}

ViewWindow FitView(const HostState& state, ViewDirection direction, double aspect) {
    ViewPlane plane = PlaneOf(direction);
    Extent extent;
    ForEachDrawnLine(state, [&](const Polyline& polyline) {
        for (const Point3& point : polyline) extent.Add(point, plane);
    });
    if (extent.empty()) {
        const Limits& l = state.project.model_limits;
        for (double x : {l[0], l[1]}) {
            for (double y : {l[2], l[3]}) {
                for (double z : {l[4], l[5]}) extent.Add({x, y, z}, plane);
            }
        }
    }
    double half_width = (extent.max_right - extent.min_right) / 2;
    double half_height = (extent.max_up - extent.min_up) / 2;
    half_width = std::max({half_width, half_height * aspect, 1e-3}) / (1 - 2 * kMargin);
    return {(extent.min_right + extent.max_right) / 2, (extent.min_up + extent.max_up) / 2,
            half_width, half_width / aspect};
}

}  // namespace orvalis::sim
