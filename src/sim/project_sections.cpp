#include "sim/project_sections.h"

#include <algorithm>
#include <cmath>

#include "sim/text_case.h"

namespace orvalis::sim {

double ReadCoordinate(const Field& field) {
    double value = field.Number();
    if (std::abs(value) >= kCoordinateRange) field.Fail("must lie between -1E6 and 1E6");
    return value;
}

Point3 ReadPoint(const Field& field) {
    auto items = field.Items();
    if (items.size() != 3) field.Fail("must be a point [x, y, z]");
    return {ReadCoordinate(items[0]), ReadCoordinate(items[1]), ReadCoordinate(items[2])};
}

Polyline ReadPolyline(const Field& field) {
    Polyline polyline;
    for (const Field& item : field.Items()) polyline.push_back(ReadPoint(item));
    if (polyline.size() < 2) field.Fail("a line needs at least two points");
    return polyline;
}

Limits ReadLimits(const Field& field) {
    auto items = field.Items();
    if (items.size() != 6) field.Fail("must be six numbers [xmin, xmax, ymin, ymax, zmin, zmax]");
    Limits limits{};
    for (std::size_t i = 0; i < 6; ++i) limits[i] = ReadCoordinate(items[i]);
    for (std::size_t i = 0; i < 6; i += 2) {
        if (limits[i] > limits[i + 1]) items[i].Fail("a minimum is greater than its maximum");
    }
    return limits;
}

std::string ReadEntityName(const Field& field) {
    std::string name = ReadListedName(field);
    for (unsigned char c : name) {
        if (c == '\'')
            field.Fail("a name must not hold a single quote: the host quotes names in them");
        if (c < 0x20 || c == 0x7F) field.Fail("a name must not hold control characters");
    }
    return name;
}

std::string ReadListedName(const Field& field) {
    std::string name = field.Text();
    if (name.empty()) field.Fail("a name must not be empty");
    return name;
}

namespace {

double ReadSize(const Field& field) {
    double value = field.NumberAbove(0);
    if (value >= kCoordinateRange) field.Fail("must be less than 1E6");
    return value;
}

ToolType ReadToolType(const Field& field) {
    std::string word = field.Text();
    if (EqualsNoCase(word, "ENDMILL")) return ToolType::kEndMill;
    if (EqualsNoCase(word, "BALLNOSED")) return ToolType::kBallNosed;
    if (EqualsNoCase(word, "TIPRADIUSED")) return ToolType::kTipRadiused;
    field.Fail("must be \"ENDMILL\", \"BALLNOSED\" or \"TIPRADIUSED\"");
}

std::vector<ToolComponent> ReadComponents(const std::optional<Field>& field) {
    std::vector<ToolComponent> components;
    if (!field) return components;
    for (const Field& item : field->Items()) {
        item.ExpectObject({"lower_diameter", "upper_diameter", "length"});
        components.push_back({ReadSize(item.Member("lower_diameter")),
                              ReadSize(item.Member("upper_diameter")),
                              ReadSize(item.Member("length"))});
    }
    return components;
}

}  // namespace

Tool ReadTool(const Field& field) {
    field.ExpectObject(
        {"name", "type", "diameter", "tip_radius", "length", "overhang", "shank", "holder"});
    Tool tool;
    tool.name = ReadEntityName(field.Member("name"));
    tool.type = ReadToolType(field.Member("type"));
    tool.diameter = ReadSize(field.Member("diameter"));
    auto tip_radius = field.OptionalMember("tip_radius");
    if (tool.type == ToolType::kTipRadiused) {
        if (!tip_radius) field.Fail("a TIPRADIUSED tool needs a \"tip_radius\"");
        tool.tip_radius = tip_radius->NumberAbove(0);
        if (tool.tip_radius > tool.diameter / 2) tip_radius->Fail("is more than half the diameter");
    } else if (tip_radius) {
        tip_radius->Fail("only a TIPRADIUSED tool has a tip radius");
    }
    tool.length = ReadSize(field.Member("length"));
    // The tool report prints the overhang, which the survey reads back as a
    // whole number: it keeps to the sizes the host's own tool form takes.
    Field overhang = field.Member("overhang");
    tool.overhang = overhang.NumberAtLeast(0);
    if (tool.overhang >= kCoordinateRange) overhang.Fail("must be less than 1E6");
    tool.shank = ReadComponents(field.OptionalMember("shank"));
    tool.holder = ReadComponents(field.OptionalMember("holder"));
    return tool;
}

namespace {

struct StrategyName {
    std::string_view name;
    Strategy strategy;
};

constexpr StrategyName kStrategyNames[] = {
    {"3d_offset", Strategy::k3dOffset},
    {"constant_z", Strategy::kConstantZ},
    {"optimised_constant_z", Strategy::kOptimisedConstantZ},
    {"profile", Strategy::kProfile},
    {"offset", Strategy::kOffset},
    {"pencil", Strategy::kPencil},
    {"raster", Strategy::kRaster},
    {"pattern", Strategy::kPattern},
    {"radial", Strategy::kRadial},
    {"spiral", Strategy::kSpiral},
    {"rotary", Strategy::kRotary},
};

Strategy ReadStrategy(const Field& field) {
    std::string word = field.Text();
    std::string known;
    for (const auto& entry : kStrategyNames) {
        if (word == entry.name) return entry.strategy;
        known += known.empty() ? "" : ", ";
        known += entry.name;
    }
    field.Fail("unknown strategy; use one of " + known);
}

std::optional<double> ReadOptionalStep(const std::optional<Field>& field) {
    if (!field) return std::nullopt;
    return ReadSize(*field);
}

Thickness ReadThickness(const Field& field) {
    auto single = field.OptionalMember("thickness");
    auto radial = field.OptionalMember("radial_thickness");
    auto axial = field.OptionalMember("axial_thickness");
    if (single && (radial || axial)) {
        single->Fail(
            "give \"thickness\" or \"radial_thickness\" with \"axial_thickness\", not both");
    }
    if (radial.has_value() != axial.has_value()) {
        field.Fail("\"radial_thickness\" and \"axial_thickness\" go together");
    }
    Thickness thickness;
    if (single) thickness.radial = ReadCoordinate(*single);
    if (radial) {
        thickness.radial = ReadCoordinate(*radial);
        thickness.axial = ReadCoordinate(*axial);
    }
    return thickness;
}

}  // namespace

Toolpath ReadToolpath(const Field& field) {
    field.ExpectObject({"name", "tool", "strategy", "stepover", "stepdown", "thickness",
                        "radial_thickness", "axial_thickness", "lowest_z", "machining_time",
                        "points"});
    Toolpath toolpath;
    toolpath.name = ReadListedName(field.Member("name"));
    toolpath.tool = ReadEntityName(field.Member("tool"));
    toolpath.strategy = ReadStrategy(field.Member("strategy"));
    toolpath.stepover = ReadOptionalStep(field.OptionalMember("stepover"));
    toolpath.stepdown = ReadOptionalStep(field.OptionalMember("stepdown"));
    if (toolpath.strategy == Strategy::kOffset && !toolpath.stepdown) {
        // The host shows it in the area clearance form, where readers ask for it.
        field.Fail("an offset area clearance needs a \"stepdown\"");
    }
    toolpath.thickness = ReadThickness(field);
    if (auto time = field.OptionalMember("machining_time")) {
        toolpath.machining_seconds = time->NumberAtLeast(0);
        // The statistics form prints hours:minutes:seconds in whole seconds;
        // far beyond any job the count would overflow into nonsense.
        if (toolpath.machining_seconds >= 1e9) time->Fail("must be less than 1E9 seconds");
    }
    if (auto points = field.OptionalMember("points")) {
        for (const Field& point : points->Items()) toolpath.points.push_back(ReadPoint(point));
    }
    if (auto lowest = field.OptionalMember("lowest_z")) {
        toolpath.lowest_z = ReadCoordinate(*lowest);
    } else if (!toolpath.points.empty()) {
        toolpath.lowest_z =
            std::min_element(toolpath.points.begin(), toolpath.points.end(),
                             [](const Point3& a, const Point3& b) { return a.z < b.z; })
                ->z;
    } else {
        field.Fail("a toolpath needs \"lowest_z\" or \"points\"");
    }
    return toolpath;
}

Pattern ReadPattern(const Field& field) {
    field.ExpectObject({"name", "polylines"});
    Pattern pattern;
    pattern.name = ReadEntityName(field.Member("name"));
    for (const Field& polyline : field.Member("polylines").Items()) {
        pattern.polylines.push_back(ReadPolyline(polyline));
    }
    return pattern;
}

NcProgram ReadNcProgram(const Field& field) {
    field.ExpectObject({"name", "toolpaths", "tape_options", "filename"});
    NcProgram program;
    program.name = ReadEntityName(field.Member("name"));
    if (auto toolpaths = field.OptionalMember("toolpaths")) {
        for (const Field& name : toolpaths->Items())
            program.toolpaths.push_back(ReadEntityName(name));
    }
    if (auto options = field.OptionalMember("tape_options")) program.tape_options = options->Text();
    if (auto filename = field.OptionalMember("filename")) program.filename = filename->Text();
    return program;
}

}  // namespace orvalis::sim
