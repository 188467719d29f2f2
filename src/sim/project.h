#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/pattern_file.h"
#include "sim/latency_model.h"

namespace orvalis::sim {

// The host's points and polylines are those of the pattern files.
using orvalis::Point3;
using orvalis::Polyline;

// Minimum and maximum in X, Y and Z, in the host's order of the block limits:
// X min, X max, Y min, Y max, Z min, Z max.
using Limits = std::array<double, 6>;

enum class ToolType { kEndMill, kBallNosed, kTipRadiused };

// One section of a tool's shank or holder, from the cutter upwards.
struct ToolComponent {
    double lower_diameter = 0;
    double upper_diameter = 0;
    double length = 0;
};

struct Tool {
    std::string name;
    ToolType type = ToolType::kEndMill;
    double diameter = 0;
    double tip_radius = 0;  // only tip-radiused tools have one
    double length = 0;
    double overhang = 0;
    std::vector<ToolComponent> shank;
    std::vector<ToolComponent> holder;
    bool holder_ignored = false;  // "HOLDER_COMPONENT IGNORE YES": checks leave the holder out
};

// The machining strategies a shop's projects use, as the host prints them.
enum class Strategy {
    k3dOffset,
    kConstantZ,
    kOptimisedConstantZ,
    kProfile,
    kOffset,
    kPencil,
    kRaster,
    kPattern,
    kRadial,
    kSpiral,
    kRotary,
};

// The allowance left on the part: one thickness for walls and floors, or a
// radial (walls) and an axial (floors) one.
struct Thickness {
    double radial = 0;
    std::optional<double> axial;  // set: the radial/axial style
};

struct Toolpath {
    std::string name;
    std::string tool;
    Strategy strategy = Strategy::kRaster;
    std::optional<double> stepover;
    std::optional<double> stepdown;
    Thickness thickness;
    double lowest_z = 0;
    double machining_seconds = 0;
    std::vector<Point3> points;  // optional: the tool centre path, for drawing
};

struct Pattern {
    std::string name;
    std::vector<Polyline> polylines;
};

struct NcProgram {
    std::string name;
    std::vector<std::string> toolpaths;
    std::string tape_options;
    std::string filename;
};

// The stock box around the model. "EDIT BLOCK RESET" makes it the model's
// limits grown by `expansion` on every side.
struct Block {
    bool exists = false;
    Limits limits{};
    double expansion = 0;
};

struct DialogSwitches {
    bool messages = true;
    bool errors = true;
};

// Everything the host holds about the open project.
struct Project {
    std::string name;
    std::string path;  // the project folder as the host prints it (a Windows path)
    long version = 0;
    Limits model_limits{};
    std::vector<Polyline> model_wireframe;
    std::vector<Tool> tools;
    std::vector<Toolpath> toolpaths;
    Block block;
    std::vector<Pattern> patterns;
    std::vector<NcProgram> nc_programs;
    std::string active_toolpath;  // empty: none
    std::string active_tool;
    std::string active_pattern;
    std::string active_nc_program;
    DialogSwitches dialogs;
    std::map<std::string, std::string> preferences;  // lower-case name -> value as sent
    LatencyModel latency;                            // "latency_ms": how slowly the host answers

    Tool* FindTool(const std::string& tool_name);
    Toolpath* FindToolpath(const std::string& toolpath_name);
    Pattern* FindPattern(const std::string& pattern_name);
    NcProgram* FindNcProgram(const std::string& program_name);
};

}  // namespace orvalis::sim
