#pragma once

#include <optional>
#include <string>
#include <vector>

#include "collision/tool_assembly_table.h"
#include "survey/assembly_values.h"

namespace orvalis::collision {

// The first row, from the top, whose key is exactly the diameter text the
// host printed: "10" and "10.0" are different keys, and a key stored twice
// only ever gives its upper row. Null when no row has the key.
const AssemblyRecord* FindAssemblyRow(const std::vector<AssemblyRecord>& rows,
                                      const std::string& diameter);

// The shank and holder values of a record that the toolpath grid shows.
survey::AssemblyValues AssemblyValuesOf(const AssemblyRecord& record);

// The first of fields 2 to 16 that cannot be put into a host command line as
// it is: a single or double quote, a semicolon or a blank between two words
// would end the value early and let the rest be read as further commands.
// Blanks around a value are harmless and allowed. Nothing when all are safe.
std::optional<int> UnsafeField(const AssemblyRecord& record);

}  // namespace orvalis::collision
