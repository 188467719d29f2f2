#include "host/number_text.h"

#include <cmath>
#include <cstdio>

namespace orvalis::host {

std::string NumberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0) return "0";  // also turns -0 into "0"

    // %.15g already switches to exponent form below 1E-04 and from 1E+15 on,
    // and drops trailing zeros; only the exponent's letter needs adjusting.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text(buffer);
    // 15 significant digits can round a tiny negative number to "-0".
    if (text == "-0") return "0";
    return text;
}

}  // namespace orvalis::host
