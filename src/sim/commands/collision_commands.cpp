#include <algorithm>

#include "host/number_text.h"
#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

constexpr const char* kCollisionForm = "COLLISION";

// "Y" or "N" at token `index`.
bool YesNoAt(const CommandCall& call, std::size_t index) {
    const Command& command = call.command();
    bool yes = command.IsKeyword(index, "Y");
    if (!yes && !command.IsKeyword(index, "N")) call.FailUnreadable();
    call.ExpectEnd(index + 1);
    return yes;
}

double ClearanceAt(const CommandCall& call, std::size_t index) {
    double value = NumberAt(call, index);
    if (value < 0) {
        call.Fail("Invalid value " + std::string(WordAt(call, index)) + ": " +
                  std::string(call.command().text()));
    }
    call.ExpectEnd(index + 1);
    return value;
}

// The top of the stock the toolpath cuts into: the block's, or the model's
// when the project has no block.
double StockTop(const Project& project) {
    return project.block.exists ? project.block.limits[5] : project.model_limits[5];
}

// "EDIT COLLISION APPLY": checks the active toolpath with its tool. With the
// type COLLISION and tool adjustment on, the tool's overhang becomes the
// toolpath's depth below the stock top plus the holder clearance (the shank
// clearance for a tool whose holder is ignored): the shortest overhang that
// keeps the holder that far above the deepest cut.
void ApplyCollisionCheck(CommandCall& call) {
    call.ExpectEnd(3);
    Project& project = call.project();
    const Toolpath* toolpath = project.FindToolpath(project.active_toolpath);
    if (!toolpath) call.Fail(NothingActive("toolpath"));
    Tool* tool = project.FindTool(toolpath->tool);
    if (!tool) call.Fail(MissingEntity("Tool", toolpath->tool));
    const CollisionForm& form = call.state().collision;
    std::string checked =
        "Toolpath '" + toolpath->name + "' checked with tool '" + tool->name + "'";
    if (form.type != "COLLISION" || !form.adjust_tool) {
        call.Print(checked);
        return;
    }
    double depth = std::max(0.0, StockTop(project) - toolpath->lowest_z);
    tool->overhang = depth + (tool->holder_ignored ? form.shank_clearance : form.holder_clearance);
    call.Print(checked + ": overhang adjusted to " + host::NumberText(tool->overhang));
}

// "EDIT COLLISION setting value" and "EDIT COLLISION APPLY".
void EditCollision(CommandCall& call) {
    const Command& command = call.command();
    CollisionForm& form = call.state().collision;
    if (command.IsKeyword(2, "APPLY")) return ApplyCollisionCheck(call);
    if (command.IsKeyword(2, "TYPE")) {
        std::string type = UpperCopy(WordAt(call, 3));
        if (type != "COLLISION" && type != "GOUGE") call.FailUnreadable();
        call.ExpectEnd(4);
        form.type = type;
    } else if (command.IsKeyword(2, "SCOPE")) {
        std::string scope = UpperCopy(WordAt(call, 3));
        call.ExpectEnd(4);
        form.scope = scope;
    } else if (command.IsKeyword(2, "STOCKMODEL_CHECK")) {
        form.stock_model_check = YesNoAt(call, 3);
    } else if (command.IsKeyword(2, "SPLIT_TOOLPATH")) {
        form.split_toolpath = YesNoAt(call, 3);
    } else if (command.IsKeyword(2, "DEPTH")) {
        form.depth = YesNoAt(call, 3);
    } else if (command.IsKeyword(2, "ADJUST_TOOL")) {
        form.adjust_tool = YesNoAt(call, 3);
    } else if (command.IsKeyword(2, "SHANK_CLEARANCE")) {
        form.shank_clearance = ClearanceAt(call, 3);
    } else if (command.IsKeyword(2, "HOLDER_CLEARANCE")) {
        form.holder_clearance = ClearanceAt(call, 3);
    } else {
        call.FailUnreadable();
    }
}

// "DRAW COLLISION" / "UNDRAW COLLISION": the check's result shown or not.
void DrawCollision(CommandCall& call) {
    call.ExpectEnd(2);
    call.state().collision.drawn = true;
}

void UndrawCollision(CommandCall& call) {
    call.ExpectEnd(2);
    call.state().collision.drawn = false;
}

// "COLLISION ACCEPT" closes the collision form, keeping its settings.
void AcceptCollision(CommandCall& call) {
    call.ExpectEnd(2);
    call.state().open_forms.erase(kCollisionForm);
}

}  // namespace

void RegisterCollisionCommands(CommandTable& table) {
    table.Route("EDIT", "COLLISION", EditCollision);
    table.SetRestOfLine("EDIT", "COLLISION");
    table.Route("DRAW", "COLLISION", DrawCollision);
    table.Route("UNDRAW", "COLLISION", UndrawCollision);
    table.Route("COLLISION", "ACCEPT", AcceptCollision);
}

}  // namespace orvalis::sim
