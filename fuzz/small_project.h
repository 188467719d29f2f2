#pragma once

// A small project for the simulated host: a block, three tools, toolpaths of
// several strategies, a pattern and an NC program, so that every command
// family finds something to act on.
namespace orvalis::fuzz {

inline constexpr const char* kSmallProject = R"({
  "project": {"name": "FUZZ", "path": "C:\\JOBS\\FUZZ"},
  "version": 8009,
  "model": {"limits": [-50, 50, -40, 40, -30, 0], "wireframe": [[[0, 0, 0], [1, 0, 0]]]},
  "block": {"expansion": 1},
  "tools": [
    {"name": "D10", "type": "ENDMILL", "diameter": 10, "length": 75, "overhang": 35,
     "shank": [{"lower_diameter": 10, "upper_diameter": 10, "length": 20}],
     "holder": [{"lower_diameter": 32, "upper_diameter": 40, "length": 50}]},
    {"name": "D6B", "type": "BALLNOSED", "diameter": 6, "length": 57.5, "overhang": 28.4},
    {"name": "D10R1", "type": "TIPRADIUSED", "diameter": 10, "tip_radius": 1,
     "length": 100.5, "overhang": 35.2}
  ],
  "toolpaths": [
    {"name": "R1", "tool": "D10", "strategy": "offset", "stepover": 5, "stepdown": 1,
     "thickness": 0.3, "lowest_z": -12, "machining_time": 600},
    {"name": "F1", "tool": "D10R1", "strategy": "constant_z", "stepdown": 0.2,
     "radial_thickness": 0.1, "axial_thickness": 0.05,
     "points": [[0, 0, -3], [1, 1, -7.5]]},
    {"name": "B1", "tool": "D6B", "strategy": "raster", "stepover": 0.4, "thickness": 0, "lowest_z": -5}
  ],
  "patterns": [{"name": "OUT_LINE", "polylines": [[[0, 0, 0], [10, 0, 0]]]}],
  "nc_programs": [{"name": "R1", "toolpaths": ["R1"]}],
  "preferences": {"SelDrawTP": "yes"}
})";

}  // namespace orvalis::fuzz
