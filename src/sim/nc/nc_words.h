#pragma once

#include <string>

#include "sim/project.h"

namespace orvalis::sim {

// A coordinate with at most `decimals` digits after the point and no trailing
// zeros. Fanuc controls read a number without a point as thousandths, so the
// point is always written there ("50.", "-21.7"); Heidenhain writes the sign
// always and no lone point ("+50", "-21.7").
std::string FanucNumber(double value, int decimals);
std::string HeidenhainNumber(double value, int decimals);

using NumberFormat = std::string (*)(double value, int decimals);

// The axis words of a move that change the position last written ("X-21.7
// Z-1."), in X, Y, Z order, each as `format` writes it; empty when the move
// ends where the tool already is. Updates `last` to the move's texts.
struct AxisTexts {
    std::string x, y, z;
};
std::string ChangedAxes(const Point3& to, AxisTexts& last, NumberFormat format, int decimals);

}  // namespace orvalis::sim
