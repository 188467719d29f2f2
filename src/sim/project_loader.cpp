#include "sim/project_loader.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/atomic_file.h"
#include "platform/native_path.h"
#include "sim/project_sections.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

int LineAt(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// nlohmann's parse errors read "[json.exception.parse_error.101] parse error at
// line 3, column 5: syntax error ..."; the line is counted here from the byte
// offset and only the part after the position is kept.
[[noreturn]] void FailSyntax(const nlohmann::json::parse_error& error, std::string_view text,
                             const std::string& file) {
    std::string reason = error.what();
    std::size_t column = reason.find("column ");
    std::size_t colon = column == std::string::npos ? column : reason.find(": ", column);
    if (colon != std::string::npos) reason = reason.substr(colon + 2);
    throw ProjectFileError(file, LineAt(text, error.byte), "not valid JSON: " + reason);
}

// A number too large for a double: "[json.exception.out_of_range.406] number
// overflow parsing '1e400'". The number's first appearance gives the line.
[[noreturn]] void FailNumber(const nlohmann::json::exception& error, std::string_view text,
                             const std::string& file) {
    std::string reason = error.what();
    std::size_t bracket = reason.find("] ");
    if (bracket != std::string::npos) reason = reason.substr(bracket + 2);
    int line = 0;
    std::size_t quote = reason.find('\'');
    if (quote != std::string::npos) {
        std::string number = reason.substr(quote + 1, reason.find('\'', quote + 1) - quote - 1);
        std::size_t at = text.find(number);
        if (!number.empty() && at != std::string_view::npos) line = LineAt(text, at);
    }
    throw ProjectFileError(file, line, "not valid JSON: " + reason);
}

template <typename Entity, typename Reader>
std::vector<Entity> ReadList(const std::optional<Field>& field, Reader read) {
    std::vector<Entity> entities;
    if (!field) return entities;
    std::set<std::string> names;
    for (const Field& item : field->Items()) {
        entities.push_back(read(item));
        if (!names.insert(entities.back().name).second) {
            item.Member("name").Fail("the name \"" + entities.back().name + "\" is used twice");
        }
    }
    return entities;
}

void ReadIdentity(const Field& root, Project& project) {
    Field identity = root.Member("project");
    identity.ExpectObject({"name", "path"});
    project.name = ReadEntityName(identity.Member("name"));
    Field path = identity.Member("path");
    project.path = path.Text();
    if (project.path.empty()) path.Fail("the project folder must not be empty");
    Field version = root.Member("version");
    project.version = version.WholeNumber();
    if (project.version <= 0) version.Fail("must be a whole number greater than 0");
}

void ReadModel(const Field& root, Project& project) {
    Field model = root.Member("model");
    model.ExpectObject({"limits", "wireframe"});
    project.model_limits = ReadLimits(model.Member("limits"));
    if (auto wireframe = model.OptionalMember("wireframe")) {
        for (const Field& line : wireframe->Items())
            project.model_wireframe.push_back(ReadPolyline(line));
    }
}

// Without "limits" the block is the model's limits grown by the expansion, as
// after "EDIT BLOCK RESET"; without a "block" there is none.
void ReadBlock(const Field& root, Project& project) {
    auto block = root.OptionalMember("block");
    if (!block) return;
    block->ExpectObject({"limits", "expansion"});
    Block& target = project.block;
    target.exists = true;
    if (auto expansion = block->OptionalMember("expansion")) {
        target.expansion = expansion->NumberAtLeast(0);
    }
    if (auto limits = block->OptionalMember("limits")) {
        target.limits = ReadLimits(*limits);
        return;
    }
    for (std::size_t i = 0; i < 6; ++i) {
        double grow = i % 2 == 0 ? -target.expansion : target.expansion;
        target.limits[i] = project.model_limits[i] + grow;
    }
}

void CheckReferences(const Field& root, Project& project) {
    auto toolpaths = root.OptionalMember("toolpaths");
    for (std::size_t i = 0; i < project.toolpaths.size(); ++i) {
        const Toolpath& toolpath = project.toolpaths[i];
        if (!project.FindTool(toolpath.tool)) {
            toolpaths->Items()[i].Member("tool").Fail("no tool is named \"" + toolpath.tool + "\"");
        }
    }
    auto programs = root.OptionalMember("nc_programs");
    for (std::size_t i = 0; i < project.nc_programs.size(); ++i) {
        const auto& names = project.nc_programs[i].toolpaths;
        for (std::size_t j = 0; j < names.size(); ++j) {
            if (project.FindToolpath(names[j])) continue;
            programs->Items()[i]
                .Member("toolpaths")
                .Items()[j]
                .Fail("no toolpath is named \"" + names[j] + "\"");
        }
    }
}

void ReadActive(const Field& root, Project& project) {
    auto active = root.OptionalMember("active");
    if (!active) return;
    active->ExpectObject({"toolpath", "tool", "pattern"});
    if (auto toolpath = active->OptionalMember("toolpath")) {
        project.active_toolpath = ReadEntityName(*toolpath);
        const Toolpath* found = project.FindToolpath(project.active_toolpath);
        if (!found) toolpath->Fail("no toolpath is named \"" + project.active_toolpath + "\"");
        project.active_tool = found->tool;
    }
    if (auto tool = active->OptionalMember("tool")) {
        project.active_tool = ReadEntityName(*tool);
        if (!project.FindTool(project.active_tool)) {
            tool->Fail("no tool is named \"" + project.active_tool + "\"");
        }
    }
    if (auto pattern = active->OptionalMember("pattern")) {
        project.active_pattern = ReadEntityName(*pattern);
        if (!project.FindPattern(project.active_pattern)) {
            pattern->Fail("no pattern is named \"" + project.active_pattern + "\"");
        }
    }
}

void ReadSwitches(const Field& root, Project& project) {
    if (auto dialogs = root.OptionalMember("dialogs")) {
        dialogs->ExpectObject({"messages", "errors"});
        if (auto messages = dialogs->OptionalMember("messages")) {
            project.dialogs.messages = messages->Flag();
        }
        if (auto errors = dialogs->OptionalMember("errors"))
            project.dialogs.errors = errors->Flag();
    }
    if (auto preferences = root.OptionalMember("preferences")) {
        for (const auto& [name, value] : preferences->Members()) {
            project.preferences[LowerCopy(name)] = value.Text();
        }
    }
}

constexpr double kLongestDelay = 600000;

// Delays in milliseconds by command beginning or operation name, "*" for the
// rest.
void ReadLatency(const Field& root, Project& project) {
    auto latency = root.OptionalMember("latency_ms");
    if (!latency) return;
    for (const auto& [key, delay] : latency->Members()) {
        if (key.find_first_not_of(" \t") == std::string::npos)
            delay.Fail("the key must not be empty");
        double milliseconds = delay.NumberAtLeast(0);
        if (milliseconds > kLongestDelay) delay.Fail("must be at most 600000 (ten minutes)");
        project.latency.Set(key, std::chrono::milliseconds(std::lround(milliseconds)));
    }
}

Project ReadProject(const Field& root) {
    root.ExpectObject({"project", "version", "model", "block", "tools", "toolpaths", "patterns",
                       "nc_programs", "active", "dialogs", "preferences", "latency_ms"});
    Project project;
    ReadIdentity(root, project);
    ReadModel(root, project);
    ReadBlock(root, project);
    project.tools = ReadList<Tool>(root.OptionalMember("tools"), ReadTool);
    project.toolpaths = ReadList<Toolpath>(root.OptionalMember("toolpaths"), ReadToolpath);
    project.patterns = ReadList<Pattern>(root.OptionalMember("patterns"), ReadPattern);
    project.nc_programs = ReadList<NcProgram>(root.OptionalMember("nc_programs"), ReadNcProgram);
    CheckReferences(root, project);
    ReadActive(root, project);
    ReadSwitches(root, project);
    ReadLatency(root, project);
    return project;
}

}  // namespace

Project ParseProject(std::string_view text, const std::string& file) {
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::parse_error& error) {
        FailSyntax(error, text, file);
    } catch (const nlohmann::json::exception& error) {
        FailNumber(error, text, file);
    }
    FieldSource source{file, JsonLines(text)};
    return ReadProject(Field(document, "", source));
}

Project LoadProjectFile(const std::filesystem::path& file) {
    auto text = ReadFileBytes(file);
    if (!text) throw ProjectFileError(Utf8(file), 0, "cannot read the project file");
    return ParseProject(*text, Utf8(file));
}

}  // namespace orvalis::sim
