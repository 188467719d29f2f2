#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/commands/scene_arguments.h"
#include "sim/pattern_transform.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

TransformSetup& Setup(CommandCall& call) {
    return call.state().scene.transform;
}

// "TRANSFORM TYPE MOVE" (ROTATEX, ROTATEY, ROTATEZ, SCALEALL, WORKPLANE).
void SetType(CommandCall& call) {
    struct Named {
        std::string_view word;
        TransformType type;
    };
    static constexpr Named kTypes[] = {
        {"MOVE", TransformType::kMove},         {"ROTATEX", TransformType::kRotateX},
        {"ROTATEY", TransformType::kRotateY},   {"ROTATEZ", TransformType::kRotateZ},
        {"SCALEALL", TransformType::kScaleAll}, {"WORKPLANE", TransformType::kWorkplane},
    };
    std::string_view word = WordAt(call, 2);
    call.ExpectEnd(3);
    for (const Named& named : kTypes) {
        if (EqualsNoCase(word, named.word)) {
            Setup(call).type = named.type;
            return;
        }
    }
    call.FailUnreadable();
}

// "TRANSFORM MOVEX 12.5"; the form's box left empty ("TRANSFORM MOVEX")
// moves by nothing.
void SetDistance(CommandCall& call, double Point3::*axis) {
    double distance = call.command().EndsAt(2) ? 0.0 : NumberAt(call, 2);
    call.ExpectEnd(call.command().EndsAt(2) ? 2 : 3);
    Setup(call).move.*axis = distance;
}

void SetValue(CommandCall& call, double TransformSetup::*value) {
    double number = NumberAt(call, 2);
    call.ExpectEnd(3);
    Setup(call).*value = number;
}

// "TRANSFORM PATTERN 'P' SELECTED": the set-up transform moves the items
// selected in P, or all of P when nothing is selected. "TRANSFORM PATTERN
// SELECTED SELECTED" does the same for the pattern the explorer selected;
// without the last SELECTED the whole pattern is transformed.
void TransformPattern(CommandCall& call) {
    HostState& state = call.state();
    Pattern* pattern = nullptr;
    if (call.command().IsKeyword(2, "SELECTED")) {
        pattern = state.project.FindPattern(state.scene.explorer_pattern);
        if (!pattern) call.Fail("No pattern is selected");
    } else {
        pattern = &PatternAt(call, 2);
    }
    bool selected_only = call.command().IsKeyword(3, "SELECTED");
    call.ExpectEnd(selected_only ? 4 : 3);
    static const std::vector<std::size_t> kEveryItem;
    const std::vector<std::size_t>& items =
        selected_only ? state.scene.pattern_items[pattern->name].selected : kEveryItem;
    TransformItems(*pattern, items, state.scene.transform);
}

void Transform(CommandCall& call) {
    const Command& command = call.command();
    if (command.IsKeyword(1, "RESET")) {
        call.ExpectEnd(2);
        Setup(call) = {};
    } else if (command.IsKeyword(1, "TYPE")) {
        SetType(call);
    } else if (command.IsKeyword(1, "MOVEX")) {
        SetDistance(call, &Point3::x);
    } else if (command.IsKeyword(1, "MOVEY")) {
        SetDistance(call, &Point3::y);
    } else if (command.IsKeyword(1, "MOVEZ")) {
        SetDistance(call, &Point3::z);
    } else if (command.IsKeyword(1, "ANGLE")) {
        SetValue(call, &TransformSetup::angle);
    } else if (command.IsKeyword(1, "SCALEVALUE")) {
        SetValue(call, &TransformSetup::scale);
    } else if (command.IsKeyword(1, "PATTERN")) {
        TransformPattern(call);
    } else {
        call.Record();  // copies, other entities: no effect in the simulated host
    }
}

}  // namespace

void RegisterTransformCommands(CommandTable& table) {
    table.Route("TRANSFORM", "", Transform);
}

}  // namespace orvalis::sim
