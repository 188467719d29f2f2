#pragma once

#include <map>
#include <string>

namespace orvalis::survey {

// The shank and holder dimensions of a tool assembly, as texts, that the
// main window holds and the survey shows in the shank length, holder length
// and holder diameter columns. Empty until the collision check sets them.
// A plain value, so a set per toolpath can be kept and handed over as well.
struct AssemblyValues {
    std::string shank1_length;
    std::string shank2_length;
    std::string holder1_lower_diameter;
    std::string holder1_length;
    std::string holder2_lower_diameter;
    std::string holder2_length;

    // "shank 1(shank 2)", "holder 1(holder 2)" lengths, "holder 1(holder 2)"
    // lower diameters; "()" when empty.
    std::string ShankLengths() const { return shank1_length + "(" + shank2_length + ")"; }
    std::string HolderLengths() const { return holder1_length + "(" + holder2_length + ")"; }
    std::string HolderDiameters() const {
        return holder1_lower_diameter + "(" + holder2_lower_diameter + ")";
    }

    bool operator==(const AssemblyValues&) const = default;
};

// The assembly each toolpath was checked with, by toolpath name; a toolpath
// without an entry shows empty values.
using ToolpathAssemblies = std::map<std::string, AssemblyValues>;

}  // namespace orvalis::survey
