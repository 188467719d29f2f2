#pragma once

#include "sim/project.h"
#include "sim/project_fields.h"

namespace orvalis::sim {

// Readers of the parts of a project file; each refuses what the host could
// not hold with a ProjectFileError.

// Coordinates and sizes stay within +-1E6 mm: the host's reports print them
// in fixed columns.
inline constexpr double kCoordinateRange = 1e6;

double ReadCoordinate(const Field& field);
Point3 ReadPoint(const Field& field);       // [x, y, z]
Polyline ReadPolyline(const Field& field);  // at least two points
Limits ReadLimits(const Field& field);      // [xmin, xmax, ymin, ymax, zmin, zmax]
// A name the host's commands can quote: not empty, no single quote, no control character.
std::string ReadEntityName(const Field& field);
// A toolpath's name, which only has to be listed: not empty. A real project
// may hold a name with a quote or a line break (made by a macro or taken
// over from another system), and ORVALIS must cope with the host listing it.
std::string ReadListedName(const Field& field);

Tool ReadTool(const Field& field);
Toolpath ReadToolpath(const Field& field);
Pattern ReadPattern(const Field& field);
NcProgram ReadNcProgram(const Field& field);

}  // namespace orvalis::sim
