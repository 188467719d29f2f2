#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/commands/scene_arguments.h"
#include "sim/host_texts.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

Scene& SceneOf(CommandCall& call) {
    return call.state().scene;
}

// "DRAW Pattern 'P'", "UNDRAW Pattern 'P'", "UNDRAW Pattern ALL".
void ShowPatterns(CommandCall& call, bool drawn) {
    Scene& scene = SceneOf(call);
    if (IsAll(call, 2)) {
        call.ExpectEnd(3);
        scene.drawn_patterns.clear();
        if (drawn) {
            for (const Pattern& pattern : call.project().patterns) {
                scene.drawn_patterns.insert(pattern.name);
            }
        }
        return;
    }
    std::string name = PatternAt(call, 2).name;
    call.ExpectEnd(3);
    if (drawn) {
        scene.drawn_patterns.insert(name);
    } else {
        scene.drawn_patterns.erase(name);
    }
}

// DRAW and UNDRAW of the block, the axes and the transform gadget. Other
// entities (toolpaths, boundaries ...) are not drawn by the simulated host.
void ShowFlag(CommandCall& call, bool drawn) {
    const Command& command = call.command();
    Scene& scene = SceneOf(call);
    bool* flag = command.IsKeyword(1, "BLOCK")  ? &scene.block_drawn
                 : command.IsKeyword(1, "AXES") ? &scene.axes_drawn
                                                : &scene.transform_drawn;
    call.ExpectEnd(2);
    *flag = drawn;
}

void Draw(CommandCall& call) {
    if (call.command().IsKeyword(1, "PATTERN")) return ShowPatterns(call, true);
    ShowFlag(call, true);
}

void Undraw(CommandCall& call) {
    if (call.command().IsKeyword(1, "PATTERN")) return ShowPatterns(call, false);
    ShowFlag(call, false);
}

// The project's one model answers to ";" (the active one) and ALL.
void ExpectTheModel(const CommandCall& call, std::size_t index) {
    const Command& command = call.command();
    if (index >= command.size()) call.FailUnreadable();
    if (command[index].kind == TokenKind::kSemicolon || IsAll(call, index)) return;
    if (command[index].unterminated) call.FailUnreadable();
    call.Fail(MissingEntity("Model", command[index].text));
}

bool OnOffAt(const CommandCall& call, std::size_t index) {
    if (call.command().IsKeyword(index, "ON")) return true;
    if (!call.command().IsKeyword(index, "OFF")) call.FailUnreadable();
    return false;
}

// "VIEW MODEL ; SHADE OFF", "VIEW MODEL ; WIREFRAME ON".
void ViewModel(CommandCall& call) {
    ExpectTheModel(call, 2);
    const Command& command = call.command();
    Scene& scene = SceneOf(call);
    bool* flag = command.IsKeyword(3, "SHADE")       ? &scene.model_shaded
                 : command.IsKeyword(3, "WIREFRAME") ? &scene.model_wireframe
                                                     : nullptr;
    if (!flag) call.FailUnreadable();
    bool on = OnOffAt(call, 4);
    call.ExpectEnd(5);
    *flag = on;
}

double ColourPartAt(const CommandCall& call, std::size_t index) {
    double value = NumberAt(call, index);
    if (value < 0 || value > 1) call.FailUnreadable();
    return value;
}

Colour ColourAt(const CommandCall& call, std::size_t index) {
    return {ColourPartAt(call, index), ColourPartAt(call, index + 1),
            ColourPartAt(call, index + 2)};
}

// "EDIT COLOUR BlockWireframe 1.00000 1.00000 1.00000", "EDIT COLOUR
// PatternInactive RESET": a display colour by name, or back to the default.
void EditColour(CommandCall& call) {
    std::string name = UpperCopy(WordAt(call, 2));
    auto& colours = SceneOf(call).colours;
    if (call.command().IsKeyword(3, "RESET")) {
        call.ExpectEnd(4);
        colours.erase(name);
        return;
    }
    Colour colour = ColourAt(call, 3);
    call.ExpectEnd(6);
    colours[name] = colour;
}

// "EDIT MODEL ALL COLOUR RGBSELECT RGB 1.00000 1.00000 1.00000".
void EditModel(CommandCall& call) {
    const Command& command = call.command();
    if (!command.IsKeyword(3, "COLOUR")) return call.Record();
    ExpectTheModel(call, 2);
    if (!command.IsKeyword(4, "RGBSELECT") || !command.IsKeyword(5, "RGB")) call.FailUnreadable();
    Colour colour = ColourAt(call, 6);
    call.ExpectEnd(9);
    SceneOf(call).colours["MODEL"] = colour;
}

}  // namespace

void RegisterDisplayCommands(CommandTable& table) {
    for (const char* object : {"PATTERN", "BLOCK", "AXES", "TRANSFORM"}) {
        table.Route("DRAW", object, Draw);
        table.Route("UNDRAW", object, Undraw);
    }
    table.Route("VIEW", "MODEL", ViewModel);
    table.Route("EDIT", "COLOUR", EditColour);
    table.Route("EDIT", "MODEL", EditModel);
}

}  // namespace orvalis::sim
