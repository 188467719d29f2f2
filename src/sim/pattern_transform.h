#pragma once

#include <cstddef>
#include <vector>

#include "sim/project.h"
#include "sim/scene.h"

namespace orvalis::sim {

// Where the transform set up in the host's transform form takes a point.
// Turns are about the axes through the origin, counter-clockwise seen from
// the axis's positive end (a turn of 90 about Z takes +X to +Y); scaling is
// about the origin. The project has no workplanes, so the workplane transform
// (from the world to the active workplane) leaves points where they are.
Point3 Transformed(const TransformSetup& setup, const Point3& point);

// Applies the transform to the items of `pattern` at `items`, or to every
// item when `items` is empty (nothing selected).
void TransformItems(Pattern& pattern, const std::vector<std::size_t>& items,
                    const TransformSetup& setup);

}  // namespace orvalis::sim
