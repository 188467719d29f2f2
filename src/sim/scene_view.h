#pragma once

#include <functional>

#include "sim/host_state.h"

namespace orvalis::sim {

// The directions of the picture in the model: right and up, unit length.
// Top looks down Z (X right, Y up), front looks along +Y (X right, Z up),
// right looks along -X (Y right, Z up), and the iso view looks from the front
// right above (from +X, -Y, +Z), with Z up.
struct ViewPlane {
    Point3 right;
    Point3 up;
};
ViewPlane PlaneOf(ViewDirection direction);

inline double Along(const Point3& point, const Point3& direction) {
    return point.x * direction.x + point.y * direction.y + point.z * direction.z;
}

// Every line the host shows now: the model (as its wireframe lines, shaded
// or not: the project has no surfaces), the block's edges while it is drawn,
// and the drawn patterns.
void ForEachDrawnLine(const HostState& state, const std::function<void(const Polyline&)>& visit);

// The window that shows everything drawn in `direction` with a margin, at
// the picture's width / height `aspect`; around the model when nothing is drawn.
ViewWindow FitView(const HostState& state, ViewDirection direction, double aspect);

}  // namespace orvalis::sim
