#!/usr/bin/env python3
"""Writes sample-project.json, the simulated host's bundled project, and
sample-tool-assemblies.DAT, a tool-assembly table that covers its tools.

The part is a mould insert of 100 x 80 x 30 mm (X -50..50, Y -40..40, Z -30..0,
work origin on the top face's centre) with R5 vertical corners, a 60 x 40 mm
cavity of corner radius R8 and floor Z -12, and a core boss of diameter 16
rising from the cavity floor to Z -4. The model wireframe, the outline patterns
and the toolpath points are all computed from that one geometry.

Run it from anywhere: python3 sim/generate_sample.py
"""
import json
import math
import os

ARC_SEGMENTS = 6  # per quarter circle


def r(v):
    """Coordinates to 0.001 mm, without -0."""
    v = round(v, 3)
    return 0.0 if v == 0 else v


def rounded_rect(xmin, xmax, ymin, ymax, radius, z):
    """Closed outline of a rectangle with round corners, counter-clockwise."""
    corners = [
        (xmax - radius, ymin + radius, -90),
        (xmax - radius, ymax - radius, 0),
        (xmin + radius, ymax - radius, 90),
        (xmin + radius, ymin + radius, 180),
    ]
    points = []
    for cx, cy, start in corners:
        for i in range(ARC_SEGMENTS + 1):
            a = math.radians(start + 90 * i / ARC_SEGMENTS)
            points.append([r(cx + radius * math.cos(a)), r(cy + radius * math.sin(a)), r(z)])
    points.append(points[0])
    return points


def circle(cx, cy, radius, z, segments=24):
    points = []
    for i in range(segments + 1):
        a = 2 * math.pi * i / segments
        points.append([r(cx + radius * math.cos(a)), r(cy + radius * math.sin(a)), r(z)])
    return points


def line(a, b):
    return [[r(c) for c in a], [r(c) for c in b]]


def box_edges(xmin, xmax, ymin, ymax, zmin, zmax):
    lines = []
    for z in (zmin, zmax):
        lines.append([[xmin, ymin, z], [xmax, ymin, z], [xmax, ymax, z], [xmin, ymax, z],
                      [xmin, ymin, z]])
    for x, y in ((xmin, ymin), (xmax, ymin), (xmax, ymax), (xmin, ymax)):
        lines.append(line((x, y, zmin), (x, y, zmax)))
    return lines


# The part.
OUTER = (-50, 50, -40, 40, 5)
CAVITY = (-30, 30, -20, 20, 8)
TOP, BOTTOM, FLOOR, BOSS_TOP, BOSS_RADIUS = 0, -30, -12, -4, 8


def outer_outline():
    xmin, xmax, ymin, ymax, radius = OUTER
    lines = [rounded_rect(*OUTER, TOP), rounded_rect(*OUTER, BOTTOM)]
    for x, y in ((xmax, ymin + radius), (xmax, ymax - radius), (xmin, ymax - radius),
                 (xmin, ymin + radius), (xmin + radius, ymin), (xmax - radius, ymin),
                 (xmax - radius, ymax), (xmin + radius, ymax)):
        lines.append(line((x, y, BOTTOM), (x, y, TOP)))
    return lines


def cavity_outline():
    xmin, xmax, ymin, ymax, radius = CAVITY
    lines = [rounded_rect(*CAVITY, TOP), rounded_rect(*CAVITY, FLOOR)]
    for x, y in ((xmax, ymin + radius), (xmax, ymax - radius), (xmin, ymax - radius),
                 (xmin, ymin + radius)):
        lines.append(line((x, y, FLOOR), (x, y, TOP)))
    lines.append(circle(0, 0, BOSS_RADIUS, FLOOR))
    lines.append(circle(0, 0, BOSS_RADIUS, BOSS_TOP))
    for x in (-BOSS_RADIUS, BOSS_RADIUS):
        lines.append(line((x, 0, FLOOR), (x, 0, BOSS_TOP)))
    return lines


def base_position():
    """The work origin marker: a cross and a ring on the top face's centre."""
    return [line((-10, 0, 0), (10, 0, 0)), line((0, -10, 0), (0, 10, 0)), circle(0, 0, 3, 0, 16)]


def cavity_offsets(tool_radius, allowance, levels, loops, loop_step):
    """Tool centre loops inside the cavity, level by level."""
    xmin, xmax, ymin, ymax, radius = CAVITY
    points = []
    for z in levels:
        for k in range(loops):
            inset = tool_radius + allowance + k * loop_step
            corner = max(radius - inset, 0.5)
            points += rounded_rect(xmin + inset, xmax - inset, ymin + inset, ymax - inset,
                                   corner, z)
    return points


def boss_spiral(tool_radius, turns, z_top, z_bottom):
    points = []
    steps = turns * 24
    for i in range(steps + 1):
        a = 2 * math.pi * i / 24
        rad = BOSS_RADIUS + tool_radius + 0.4 * i / 24
        z = z_top + (z_bottom - z_top) * i / steps
        points.append([r(rad * math.cos(a)), r(rad * math.sin(a)), r(z)])
    return points


TOOLS = [
    {"name": "D16R1", "type": "TIPRADIUSED", "diameter": 16, "tip_radius": 1, "length": 90,
     "overhang": 55, "shank": [{"lower_diameter": 16, "upper_diameter": 16, "length": 35}],
     "holder": [{"lower_diameter": 32, "upper_diameter": 40, "length": 25},
                {"lower_diameter": 50, "upper_diameter": 63, "length": 40}]},
    {"name": "D12", "type": "ENDMILL", "diameter": 12, "length": 75, "overhang": 40,
     "shank": [{"lower_diameter": 12, "upper_diameter": 12, "length": 35}],
     "holder": [{"lower_diameter": 25, "upper_diameter": 32, "length": 30}]},
    {"name": "D10", "type": "ENDMILL", "diameter": 10, "length": 72, "overhang": 35.2,
     "shank": [{"lower_diameter": 10, "upper_diameter": 10, "length": 37}],
     "holder": [{"lower_diameter": 24, "upper_diameter": 32, "length": 30}]},
    {"name": "D10R0.5", "type": "TIPRADIUSED", "diameter": 10, "tip_radius": 0.5,
     "length": 100.5, "overhang": 42,
     "shank": [{"lower_diameter": 9.5, "upper_diameter": 10, "length": 30}],
     "holder": [{"lower_diameter": 24, "upper_diameter": 32, "length": 30}]},
    {"name": "D8B", "type": "BALLNOSED", "diameter": 8, "length": 70, "overhang": 32,
     "shank": [{"lower_diameter": 8, "upper_diameter": 8, "length": 30}],
     "holder": [{"lower_diameter": 20, "upper_diameter": 27, "length": 30}]},
    {"name": "D6B", "type": "BALLNOSED", "diameter": 6, "length": 57.5, "overhang": 28.4,
     "shank": [{"lower_diameter": 5.8, "upper_diameter": 6, "length": 20},
               {"lower_diameter": 6, "upper_diameter": 6, "length": 15}],
     "holder": [{"lower_diameter": 16, "upper_diameter": 24, "length": 30}]},
    {"name": "D4B", "type": "BALLNOSED", "diameter": 4, "length": 50, "overhang": 18,
     "shank": [{"lower_diameter": 3.8, "upper_diameter": 4, "length": 12},
               {"lower_diameter": 4, "upper_diameter": 6, "length": 18}],
     "holder": [{"lower_diameter": 16, "upper_diameter": 24, "length": 30}]},
    {"name": "D2B", "type": "BALLNOSED", "diameter": 2, "length": 50, "overhang": 12.5,
     "shank": [{"lower_diameter": 1.9, "upper_diameter": 6, "length": 10}],
     "holder": [{"lower_diameter": 16, "upper_diameter": 24, "length": 30}]},
]

LEVELS_ROUGH = [-1.0 * k for k in range(1, 12)] + [-11.7]
LEVELS_WALL = [-0.3 * k for k in range(1, 41)]

TOOLPATHS = [
    {"name": "01-ROUGH-D16R1", "tool": "D16R1", "strategy": "offset", "stepover": 9.6,
     "stepdown": 1, "thickness": 0.3, "lowest_z": -11.7, "machining_time": 1734,
     "points": cavity_offsets(8, 0.3, LEVELS_ROUGH, 2, 9.6)},
    {"name": "02-REST-PROFILE-D10", "tool": "D10", "strategy": "profile", "stepover": 5,
     "stepdown": 0.5, "radial_thickness": 0.2, "axial_thickness": 0.1, "lowest_z": -11.9,
     "machining_time": 906},
    {"name": "03-WALL-ZLEVEL-D10R0.5", "tool": "D10R0.5", "strategy": "constant_z",
     "stepdown": 0.3, "thickness": 0.05, "lowest_z": -12, "machining_time": 1287,
     "points": cavity_offsets(5, 0.05, LEVELS_WALL, 1, 0)},
    {"name": "04-SEMI-OPTI-D8B", "tool": "D8B", "strategy": "optimised_constant_z",
     "stepover": 0.6, "radial_thickness": 0.15, "axial_thickness": 0.15, "lowest_z": -12,
     "machining_time": 2215},
    {"name": "05-FLOOR-RASTER-D12", "tool": "D12", "strategy": "raster", "stepover": 6,
     "radial_thickness": 0.1, "axial_thickness": 0, "lowest_z": -12, "machining_time": 412},
    {"name": "06-FINISH-3DOFF-D6B", "tool": "D6B", "strategy": "3d_offset", "stepover": 0.2,
     "thickness": 0, "lowest_z": -12, "machining_time": 4863},
    {"name": "07-PENCIL-D4B", "tool": "D4B", "strategy": "pencil", "stepover": 0.1,
     "thickness": 0, "lowest_z": -12, "machining_time": 655},
    {"name": "08-BOSS-SPIRAL-D6B", "tool": "D6B", "strategy": "spiral", "stepover": 0.25,
     "thickness": 0, "machining_time": 538, "points": boss_spiral(3, 8, -4, -12)},
    {"name": "09-CORNER-RADIAL-D4B", "tool": "D4B", "strategy": "radial", "stepover": 0.5,
     "radial_thickness": 0.02, "axial_thickness": 0, "lowest_z": -12, "machining_time": 747},
    {"name": "10-ENGRAVE-PATTERN-D2B", "tool": "D2B", "strategy": "pattern",
     "thickness": -0.2, "lowest_z": -0.3, "machining_time": 184},
    {"name": "11-SIDE-ROTARY-D6B", "tool": "D6B", "strategy": "rotary", "stepover": 0.3,
     "thickness": 0, "lowest_z": -25, "machining_time": 3120},
    {"name": "12-OUTER-ZLEVEL-D12", "tool": "D12", "strategy": "constant_z", "stepdown": 2,
     "thickness": 0, "lowest_z": -25, "machining_time": 1046},
]

PATTERNS = [
    # The part's outer outline: top and bottom contours with the corner edges.
    {"name": "OUT_LINE", "polylines": outer_outline()},
    # The iso picture's outline: the outer outline with the cavity and the boss.
    {"name": "OUT_LINE-1", "polylines": outer_outline() + cavity_outline()},
    # A frame around the part and its labels, drawn only while the view is fitted.
    {"name": "OUT_LINE-2", "polylines": box_edges(-75, 75, -65, 65, -45, 15)},
    # The right view's frame in the YZ plane, also drawn only for the fit.
    {"name": "OUT_LINE-3", "polylines": [
        [[50, -70, -50], [50, 70, -50], [50, 70, 20], [50, -70, 20], [50, -70, -50]]]},
    {"name": "BASE-Position", "polylines": base_position()},
]

PROJECT = {
    "project": {"name": "INSERT-100", "path": "C:\\JOBS\\INSERT-100"},
    "version": 8009,
    "model": {"limits": [-50, 50, -40, 40, -30, 0],
              "wireframe": outer_outline() + cavity_outline()},
    "block": {"expansion": 0},
    "tools": TOOLS,
    "toolpaths": TOOLPATHS,
    "patterns": PATTERNS,
    "dialogs": {"messages": True, "errors": True},
    "preferences": {"seldrawtp": "yes"},
}


# A tool-assembly table covering the sample project's tools, one record per
# diameter as the tool report prints it: diameter, tool length, shank 1 and 2
# (lower diameter, upper diameter, length), holder 1 and 2 (the same), shank
# and holder clearance. Both 10 mm tools share the one record. An empty field
# is a section the assembly does not have.
ASSEMBLY_TABLE = [
    ["16", "90", "16", "16", "40", "", "", "", "32", "40", "25", "50", "63", "40", "0.5", "2"],
    ["12", "75", "12", "12", "35", "", "", "", "25", "32", "30", "", "", "", "0.5", "2"],
    ["10", "72", "10", "10", "37", "", "", "", "24", "32", "30", "", "", "", "0.5", "2"],
    ["8", "70", "8", "8", "30", "", "", "", "20", "27", "30", "", "", "", "0.5", "2"],
    ["6", "57", "5.8", "6", "20", "6", "6", "15", "16", "24", "30", "", "", "", "0.3", "1.5"],
    ["4", "50", "3.8", "4", "12", "4", "6", "18", "16", "24", "30", "", "", "", "0.3", "1.5"],
    ["2", "50", "1.9", "6", "10", "", "", "", "16", "24", "30", "", "", "", "0.2", "1"],
]


def assembly_table():
    """The table as the program stores it: quoted fields, commas, CR LF."""
    return "".join(",".join('"' + f + '"' for f in record) + "\r\n" for record in ASSEMBLY_TABLE)


def dump(value, indent=0):
    """JSON with one point per [x, y, z] and up to six points per line."""
    pad = "  " * indent
    if isinstance(value, dict):
        items = [f'{pad}  {json.dumps(k)}: {dump(v, indent + 1).lstrip()}' for k, v in value.items()]
        return pad + "{\n" + ",\n".join(items) + "\n" + pad + "}"
    if isinstance(value, list):
        if value and all(isinstance(p, list) and len(p) == 3 and
                         all(isinstance(c, (int, float)) for c in p) for p in value):
            chunks = [", ".join(json.dumps(p) for p in value[i:i + 6])
                      for i in range(0, len(value), 6)]
            return pad + "[" + (",\n" + pad + " ").join(chunks) + "]"
        if all(not isinstance(v, (dict, list)) for v in value):
            return pad + json.dumps(value)
        return pad + "[\n" + ",\n".join(dump(v, indent + 1) for v in value) + "\n" + pad + "]"
    return pad + json.dumps(value, ensure_ascii=False)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "sample-project.json"), "w", encoding="utf-8", newline="\n") as f:
        f.write(dump(PROJECT) + "\n")
    with open(os.path.join(here, "sample-tool-assemblies.DAT"), "w", encoding="ascii",
              newline="") as f:
        f.write(assembly_table())
