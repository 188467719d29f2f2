#include "sim/nc/nc_job.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/number_text.h"
#include "sim/command_table.h"
#include "sim/host_texts.h"

namespace orvalis::sim {

namespace {

constexpr double kCuttingSpeed = 150;  // metres per minute, carbide in pre-hardened mould steel
constexpr double kTopSpindleSpeed = 24000;

long RoundToTen(double value) {
    return std::max(10L, std::lround(value / 10) * 10);
}

std::string ToolDescription(const Tool& tool) {
    std::string diameter = "D" + host::NumberText(tool.diameter);
    switch (tool.type) {
        case ToolType::kEndMill:
            return tool.name + " - END MILL " + diameter;
        case ToolType::kBallNosed:
            return tool.name + " - BALL NOSED " + diameter;
        case ToolType::kTipRadiused:
            return tool.name + " - TIP RADIUSED " + diameter + " R" +
                   host::NumberText(tool.tip_radius);
    }
    return tool.name;
}

// Speeds and feeds from the tool alone, as a shop's tool library would give them.
void SetCuttingData(NcOperation& operation, const Tool& tool) {
    double speed =
        std::min(kTopSpindleSpeed, kCuttingSpeed * 1000 / (std::numbers::pi * tool.diameter));
    int flutes = tool.type == ToolType::kBallNosed ? 2 : (tool.diameter >= 10 ? 4 : 3);
    double feed_per_tooth = std::clamp(0.006 * tool.diameter, 0.02, 0.1);
    operation.spindle_speed = RoundToTen(speed);
    // Speeds and feeds are a few ten thousand at most: exact as doubles.
    operation.cutting_feed =
        RoundToTen(static_cast<double>(operation.spindle_speed) * flutes * feed_per_tooth);
    operation.plunge_feed = RoundToTen(static_cast<double>(operation.cutting_feed) / 3.0);
}

Limits StockOf(const Project& project) {
    return project.block.exists ? project.block.limits : project.model_limits;
}

NcOperation OperationFor(const Project& project, const std::string& toolpath_name,
                         const Limits& stock) {
    auto toolpath = std::find_if(project.toolpaths.begin(), project.toolpaths.end(),
                                 [&](const Toolpath& t) { return t.name == toolpath_name; });
    if (toolpath == project.toolpaths.end()) {
        throw CommandFailed(MissingEntity("Toolpath", toolpath_name));
    }
    auto tool = std::find_if(project.tools.begin(), project.tools.end(),
                             [&](const Tool& t) { return t.name == toolpath->tool; });
    if (tool == project.tools.end()) throw CommandFailed(MissingEntity("Tool", toolpath->tool));
    NcOperation operation;
    operation.toolpath = toolpath->name;
    operation.tool_number = static_cast<int>(tool - project.tools.begin()) + 1;
    operation.tool_description = ToolDescription(*tool);
    SetCuttingData(operation, *tool);
    operation.motion = MotionOf(*toolpath, *tool, stock);
    return operation;
}

}  // namespace

std::string ProgramNameOf(std::string_view output_file) {
    std::size_t slash = output_file.find_last_of("\\/");
    std::string_view name =
        slash == std::string_view::npos ? output_file : output_file.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

int ProgramNumberOf(std::string_view program_name, int fallback) {
    std::size_t end = program_name.size();
    std::size_t begin = end;
    while (begin > 0 && end - begin < 4 && program_name[begin - 1] >= '0' &&
           program_name[begin - 1] <= '9') {
        --begin;
    }
    int number = 0;
    for (std::size_t i = begin; i < end; ++i) number = number * 10 + (program_name[i] - '0');
    return number > 0 ? number : fallback;
}

NcJob MakeNcJob(const Project& project, const NcProgram& program, const PostOptions& options,
                std::string_view output_file) {
    if (program.toolpaths.empty()) {
        throw CommandFailed("NC program '" + program.name + "' holds no toolpath");
    }
    NcJob job;
    job.options = options;
    job.program_name = ProgramNameOf(output_file);
    job.program_number = ProgramNumberOf(job.program_name, options.program_number);
    job.nc_program = program.name;
    job.project = project.name;
    job.stock = StockOf(project);
    for (const std::string& name : program.toolpaths) {
        job.operations.push_back(OperationFor(project, name, job.stock));
    }
    return job;
}

}  // namespace orvalis::sim
