#include "sim/project.h"

#include <algorithm>

namespace orvalis::sim {

namespace {

template <typename Entity>
Entity* FindByName(std::vector<Entity>& entities, const std::string& name) {
    auto found = std::find_if(entities.begin(), entities.end(),
                              [&](const Entity& entity) { return entity.name == name; });
    return found == entities.end() ? nullptr : &*found;
}

}  // namespace

Tool* Project::FindTool(const std::string& tool_name) {
    return FindByName(tools, tool_name);
}

Toolpath* Project::FindToolpath(const std::string& toolpath_name) {
    return FindByName(toolpaths, toolpath_name);
}

Pattern* Project::FindPattern(const std::string& pattern_name) {
    return FindByName(patterns, pattern_name);
}

NcProgram* Project::FindNcProgram(const std::string& program_name) {
    return FindByName(nc_programs, program_name);
}

}  // namespace orvalis::sim
