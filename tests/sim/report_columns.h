#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvalis::testing {

// The program reads the host's printed answers by fixed keys and character
// positions. These helpers apply exactly those rules, so tests read the
// simulated host's reports the way the survey and the collision check do.

// The answer split at "\r\n" (a final CR LF leaves an empty last line).
std::vector<std::string> SplitAnswer(const std::string& answer);
// The line's first `count` characters, leading and trailing blanks removed.
std::string KeyOf(const std::string& line, std::size_t count);
// The line from 1-based character `position` to its end, blanks removed.
std::string ValueFrom(const std::string& line, std::size_t position);
std::string TrimBlanks(const std::string& text);

// What the survey takes from a tool report (lines from index 1, keys of 8
// characters, the scan stopping at OVERHANG).
struct ToolReading {
    std::string type_letter;
    std::string diameter;
    std::string tip_radius;
    std::string description;
    std::string length;    // rounded, a half to the even neighbour
    std::string overhang;  // floor(value - 0.0000001) + 1
};
ToolReading ReadToolReport(const std::string& answer, ToolReading start = {});

// What the collision check takes from a tool report: the first DIAMETER
// among the lines from the fifth on.
std::string ReadCollisionDiameter(const std::string& answer);

// What the survey takes from a toolpath report (lines from index 0, the
// strategy test, keys of 10 characters, the scan stopping at THICKNESS or
// AXIAL-THIC). `area_clear_stepdown` answers for "TYPE  :  OFFSET".
struct ToolpathReading {
    std::string strategy;
    std::string stepover;
    std::string stepdown;
    std::string radial_thickness;
    std::string axial_thickness;
    std::string allowance;
};
ToolpathReading ReadToolpathReport(const std::string& answer,
                                   const std::function<std::string()>& area_clear_stepdown,
                                   ToolpathReading start = {});

// The lowest point of a size answer: line 2 from character 47, formatted
// "###0.0#".
std::string ReadLowestPoint(const std::string& answer);

}  // namespace orvalis::testing
