#include "sim/pattern_transform.h"

#include <cmath>
#include <numbers>

namespace orvalis::sim {

namespace {

struct Turn {
    double cos = 1;
    double sin = 0;
};

// Quarter turns come out exact, so a label turned by 90 stays on its lines.
Turn TurnOf(double degrees) {
    double quarters = degrees / 90;
    if (quarters == std::round(quarters)) {
        static constexpr Turn kQuarters[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        long index = static_cast<long>(std::fmod(std::round(quarters), 4.0));
        return kQuarters[(index + 4) % 4];
    }
    double radians = degrees * std::numbers::pi / 180;
    return {std::cos(radians), std::sin(radians)};
}

}  // namespace

Point3 Transformed(const TransformSetup& setup, const Point3& p) {
    switch (setup.type) {
        case TransformType::kMove:
            return {p.x + setup.move.x, p.y + setup.move.y, p.z + setup.move.z};
        case TransformType::kScaleAll:
            return {p.x * setup.scale, p.y * setup.scale, p.z * setup.scale};
        case TransformType::kWorkplane:
            return p;
        case TransformType::kRotateX: {
            Turn t = TurnOf(setup.angle);
            return {p.x, p.y * t.cos - p.z * t.sin, p.y * t.sin + p.z * t.cos};
        }
        case TransformType::kRotateY: {
            Turn t = TurnOf(setup.angle);
            return {p.x * t.cos + p.z * t.sin, p.y, -p.x * t.sin + p.z * t.cos};
        }
        case TransformType::kRotateZ: {
            Turn t = TurnOf(setup.angle);
            return {p.x * t.cos - p.y * t.sin, p.x * t.sin + p.y * t.cos, p.z};
        }
    }
    return p;
}

void TransformItems(Pattern& pattern, const std::vector<std::size_t>& items,
                    const TransformSetup& setup) {
    auto transform = [&](Polyline& polyline) {
        for (Point3& point : polyline) point = Transformed(setup, point);
    };
    if (items.empty()) {
        for (Polyline& polyline : pattern.polylines) transform(polyline);
        return;
    }
    for (std::size_t index : items) {
        if (index < pattern.polylines.size()) transform(pattern.polylines[index]);
    }
}

}  // namespace orvalis::sim
