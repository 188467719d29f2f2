#include "sim/reports.h"

#include <algorithm>

#include "host/number_text.h"
#include "sim/report_layout.h"

namespace orvalis::sim {

namespace {

constexpr std::string_view kRule = "----------------------------------------";

void AppendHeader(std::string& out, std::string_view kind, const std::string& name) {
    AppendLine(out, "ENTITY PARAMETERS");
    std::string title(kind);
    title += " '";
    title += name;
    title += "'";
    AppendLine(out, title);
    AppendLine(out, kRule);
}

void AppendComponents(std::string& out, std::string_view key,
                      const std::vector<ToolComponent>& components) {
    AppendParameterLine(out, key, static_cast<double>(components.size()));
    for (const auto& component : components) {
        std::string line = "   LOWERDIA ";
        line += host::NumberText(component.lower_diameter);
        line += "   UPPERDIA ";
        line += host::NumberText(component.upper_diameter);
        line += "   LENGTH ";
        line += host::NumberText(component.length);
        AppendLine(out, line);
    }
}

// The identifier line of a strategy and, for the strategies the host tells
// apart by type, the type word.
struct StrategyLines {
    std::string_view identifier;
    std::string_view type;  // empty: no type line
};

StrategyLines LinesOf(Strategy strategy) {
    switch (strategy) {
        case Strategy::k3dOffset:
            return {":dmkMcPar3dOffset", ""};
        case Strategy::kConstantZ:
            return {":dmkMcParConstZ", ""};
        case Strategy::kOptimisedConstantZ:
            return {":dmkMcParOptiConstZ", ""};
        case Strategy::kProfile:
            return {":dmkMcParAreaClear", "PROFILE"};
        case Strategy::kOffset:
            return {":dmkMcParAreaClear", "OFFSET"};
        case Strategy::kPencil:
            return {":dmkMcParNewCorner", ""};
        case Strategy::kRaster:
            return {":dmkMcParRaster", "RASTER"};
        case Strategy::kPattern:
            return {":dmkMcParPattern", "PATTERN"};
        case Strategy::kRadial:
            return {":dmkMcParRadial", "RADIAL"};
        case Strategy::kSpiral:
            return {":dmkMcParSpiral", "SPIRAL"};
        case Strategy::kRotary:
            return {":dmkMcParRotary", "ROTARY"};
    }
    return {":dmkMcPar", ""};
}

}  // namespace

const char* ToolTypeWord(ToolType type) {
    switch (type) {
        case ToolType::kEndMill:
            return "ENDMILL";
        case ToolType::kBallNosed:
            return "BALLNOSED";
        case ToolType::kTipRadiused:
            return "TIPRADIUSED";
    }
    return "ENDMILL";
}

void AppendToolReport(std::string& out, const Tool& tool) {
    AppendHeader(out, "Tool", tool.name);
    AppendLine(out, "");
    AppendTypeLine(out, ToolTypeWord(tool.type));
    AppendParameterLine(out, "NAME", tool.name);
    AppendParameterLine(out, "DIAMETER", tool.diameter);
    if (tool.type == ToolType::kTipRadiused)
        AppendParameterLine(out, "TIP-RADIUS", tool.tip_radius);
    AppendParameterLine(out, "LENGTH", tool.length);
    AppendParameterLine(out, "OVERHANG", tool.overhang);
    AppendComponents(out, "SHANK", tool.shank);
    AppendComponents(out, "HOLDER", tool.holder);
}

void AppendToolpathReport(std::string& out, const Toolpath& toolpath) {
    AppendHeader(out, "Toolpath", toolpath.name);
    StrategyLines strategy = LinesOf(toolpath.strategy);
    AppendLine(out, strategy.identifier);
    if (!strategy.type.empty()) AppendTypeLine(out, strategy.type);
    AppendParameterLine(out, "TOOL", toolpath.tool);
    if (toolpath.stepover) AppendParameterLine(out, "STEPOVER", *toolpath.stepover);
    if (toolpath.stepdown && toolpath.strategy != Strategy::kOffset) {
        AppendParameterLine(out, "STEPDOWN", *toolpath.stepdown);
    }
    if (toolpath.thickness.axial) {
        AppendParameterLine(out, "RADIAL-THICKNESS", toolpath.thickness.radial);
        AppendParameterLine(out, "AXIAL-THICKNESS", *toolpath.thickness.axial);
    } else {
        AppendParameterLine(out, "THICKNESS", toolpath.thickness.radial);
    }
}

namespace {

// Column widths of the size lines: "Minimum  X" + 14 + "   Y" + 14 + "  Z "
// is 46 characters, so Z starts at character 47. Coordinates stay within
// +-1E6 (the project loader refuses others), which fit in 14 characters.
constexpr int kCoordinateWidth = 14;

void AppendSizeLine(std::string& out, std::string_view label, double x, double y, double z) {
    std::string line(label);
    line += "  X";
    line += FixedNumber(x, 4, kCoordinateWidth);
    line += "   Y";
    line += FixedNumber(y, 4, kCoordinateWidth);
    line += "  Z ";
    line += FixedNumber(z, 4, 0);
    AppendLine(out, line);
}

}  // namespace

void AppendSizeReport(std::string& out, const Toolpath& toolpath, const Limits& model_limits) {
    Limits limits = model_limits;
    if (!toolpath.points.empty()) {
        const Point3& first = toolpath.points.front();
        limits = {first.x, first.x, first.y, first.y, first.z, first.z};
        for (const Point3& point : toolpath.points) {
            limits[0] = std::min(limits[0], point.x);
            limits[1] = std::max(limits[1], point.x);
            limits[2] = std::min(limits[2], point.y);
            limits[3] = std::max(limits[3], point.y);
            limits[5] = std::max(limits[5], point.z);
        }
    }
    limits[4] = toolpath.lowest_z;
    limits[5] = std::max(limits[5], limits[4]);
    AppendLine(out, "Toolpath '" + toolpath.name + "'");
    AppendSizeLine(out, "Minimum", limits[0], limits[2], limits[4]);
    AppendSizeLine(out, "Maximum", limits[1], limits[3], limits[5]);
}

}  // namespace orvalis::sim
