#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvalis::settings {

// One tool assembly: tool diameter (the key), tool length, two shank and two
// holder sections (lower diameter, upper diameter, length each), shank
// clearance and holder clearance, all as typed.
using ToolAssemblyRecord = std::array<std::string, 16>;

std::string ToolAssemblyFilePath();

struct ToolAssemblyRead {
    bool found = false;                       // the file could be read
    std::vector<ToolAssemblyRecord> records;  // in file order
    bool incomplete = false;                  // the file ended inside a record
};

ToolAssemblyRead ReadToolAssemblies();

// Adds one record at the end of the file (created when absent), replacing the
// file atomically. Throws FileError.
void AppendToolAssembly(const ToolAssemblyRecord& record);

enum class RemoveOutcome { kRemoved, kNotFound, kFileIncomplete };

// Removes the first record equal to `record`, writing the others back in
// their order and format, replacing the file atomically. A file that ends
// inside a record is left alone. Throws FileError.
RemoveOutcome RemoveToolAssembly(const ToolAssemblyRecord& record);

}  // namespace orvalis::settings
