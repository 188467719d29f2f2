#pragma once

#include <string>

namespace orvalis::sim {

// The settings of the host's collision form, kept between commands as the
// form keeps them, and whether its result is drawn.
struct CollisionForm {
    std::string type = "COLLISION";  // or "GOUGE"
    std::string scope = "ALL";
    bool stock_model_check = false;
    bool split_toolpath = false;
    bool depth = false;
    bool adjust_tool = false;
    double shank_clearance = 0;
    double holder_clearance = 0;
    bool drawn = false;
};

}  // namespace orvalis::sim
