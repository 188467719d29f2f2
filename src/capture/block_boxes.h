#pragma once

#include <string>

namespace orvalis::capture {

// The texts of the block limits panel's six boxes, as the user sees them.
// They are the only source of the numbers the labels show and the distances
// the labels are moved by.
struct BlockBoxes {
    std::string x_min;  // Text3, limit 1
    std::string x_max;  // Text6, limit 2
    std::string y_min;  // Text2, limit 3
    std::string y_max;  // Text5, limit 4
    std::string z_min;  // Text1, limit 5
    std::string z_max;  // Text4, limit 6
};

}  // namespace orvalis::capture
