#include <algorithm>
#include <numeric>

#include "platform/atomic_file.h"
#include "platform/drive_paths.h"
#include "platform/pattern_file.h"
#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/commands/scene_arguments.h"
#include "sim/host_texts.h"

namespace orvalis::sim {

namespace {

// "CREATE PATTERN 'P'": a new empty pattern, drawn and active, as the host
// makes it.
void CreatePattern(CommandCall& call) {
    Project& project = call.project();
    std::string name = EntityNameAt(call, 2, "", "pattern");
    call.ExpectEnd(3);
    if (project.FindPattern(name)) call.Fail("Pattern '" + name + "' already exists");
    project.patterns.push_back({name, {}});
    call.state().scene.drawn_patterns.insert(name);
    call.state().scene.pattern_items[name] = {};
    project.active_pattern = name;
}

// "DELETE PATTERN 'P'" or "DELETE PATTERN ALL".
void DeletePattern(CommandCall& call) {
    Project& project = call.project();
    std::vector<std::string> names;
    if (IsAll(call, 2)) {
        for (const Pattern& pattern : project.patterns) names.push_back(pattern.name);
    } else {
        names.push_back(PatternAt(call, 2).name);
    }
    call.ExpectEnd(3);
    for (const std::string& name : names) ForgetPattern(call.state(), name);
    std::erase_if(project.patterns, [&](const Pattern& pattern) {
        return std::find(names.begin(), names.end(), pattern.name) != names.end();
    });
}

// "Edit Pattern 'P' INSERT FILE  'C:\...\X.PIC'": the file's items are
// added at the end of the pattern, where the workplane origin is (the
// project has no workplanes, so as the file has them).
void InsertFile(CommandCall& call, Pattern& pattern) {
    if (!call.command().IsKeyword(4, "FILE")) call.FailUnreadable();
    std::string path = PathAt(call, 5);
    call.ExpectEnd(6);
    std::optional<std::string> bytes = ReadFileBytes(ResolvePath(path));
    if (!bytes) call.Fail(MissingEntity("File", path));
    std::vector<Polyline> items;
    try {
        items = ParsePatternFile(*bytes);
    } catch (const PatternFileError& error) {
        call.Fail("File '" + path + "' is not a pattern file: " + error.what());
    }
    PatternItems& state = call.state().scene.pattern_items[pattern.name];
    state.inserted_begin = pattern.polylines.size();
    pattern.polylines.insert(pattern.polylines.end(), std::make_move_iterator(items.begin()),
                             std::make_move_iterator(items.end()));
    state.inserted_end = pattern.polylines.size();
}

// "EDIT PATTERN 'P' DESELECT ALL" and "... SELECT ALL".
void SelectAllItems(CommandCall& call, Pattern& pattern, bool select) {
    if (!IsAll(call, 4)) call.FailUnreadable();
    call.ExpectEnd(5);
    std::vector<std::size_t>& selected = call.state().scene.pattern_items[pattern.name].selected;
    selected.clear();
    if (select) {
        selected.resize(pattern.polylines.size());
        std::iota(selected.begin(), selected.end(), std::size_t{0});
    }
}

void EditPattern(CommandCall& call) {
    const Command& command = call.command();
    if (command.IsKeyword(3, "INSERT")) return InsertFile(call, PatternAt(call, 2));
    if (command.IsKeyword(3, "DESELECT")) return SelectAllItems(call, PatternAt(call, 2), false);
    if (command.IsKeyword(3, "SELECT")) return SelectAllItems(call, PatternAt(call, 2), true);
    call.Record();  // other pattern edits: no effect in the simulated host
}

// "EXPLORER SELECT Pattern 'P' NEW": the pattern becomes the explorer's
// selection and exactly the items its last insertion added are selected.
// Without NEW only the pattern is selected.
void ExplorerSelect(CommandCall& call) {
    const Command& command = call.command();
    if (command.IsKeyword(2, "NCPROGRAM")) return SelectNcProgramInExplorer(call);
    if (!command.IsKeyword(2, "PATTERN")) return call.Record();
    Pattern& pattern = PatternAt(call, 3);
    bool new_items = command.IsKeyword(4, "NEW");
    call.ExpectEnd(new_items ? 5 : 4);
    Scene& scene = call.state().scene;
    scene.explorer_pattern = pattern.name;
    if (!new_items) return;
    PatternItems& items = scene.pattern_items[pattern.name];
    items.selected.clear();
    for (std::size_t i = items.inserted_begin; i < items.inserted_end; ++i) {
        items.selected.push_back(i);
    }
}

}  // namespace

void RegisterPatternCommands(CommandTable& table) {
    table.Route("CREATE", "PATTERN", CreatePattern);
    table.Route("DELETE", "PATTERN", DeletePattern);
    table.Route("EDIT", "PATTERN", EditPattern);
    table.Route("EXPLORER", "SELECT", ExplorerSelect);
}

}  // namespace orvalis::sim
