#pragma once

#include <string>

#include "sim/project.h"

namespace orvalis::sim {

// The answers of "print entity parameters tool", "... toolpath" and
// "SIZE TOOLPATH", appended to `out`, every line ended by CR LF.

// A header of four lines, the type line, then NAME, DIAMETER, TIP-RADIUS (tip
// radiused tools only), LENGTH and OVERHANG; the shank and holder follow the
// overhang, where a reader that stops at OVERHANG never sees them.
void AppendToolReport(std::string& out, const Tool& tool);

// A header of three lines, the strategy's identifier line (and type line),
// TOOL, STEPOVER and STEPDOWN where the toolpath has them, then its thickness:
// "THICKNESS" alone, or "RADIAL-THICKNESS" followed by "AXIAL-THICKNESS".
// Offset area clearance keeps its step-down in its form, not in the report.
void AppendToolpathReport(std::string& out, const Toolpath& toolpath);

// The toolpath's name, then "Minimum" and "Maximum" lines of X, Y and Z. The
// minimum Z (the lowest point) starts at character 47 of the second line.
// X and Y come from the toolpath's points, else from the model's limits.
void AppendSizeReport(std::string& out, const Toolpath& toolpath, const Limits& model_limits);

// The host's word for a tool type: "ENDMILL", "BALLNOSED", "TIPRADIUSED".
const char* ToolTypeWord(ToolType type);

}  // namespace orvalis::sim
