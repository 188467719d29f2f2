#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"

namespace orvalis::sim {

namespace {

// "DELETE BLOCK": the project has no block until the next reset.
void DeleteBlock(CommandCall& call) {
    call.ExpectEnd(2);
    call.project().block.exists = false;
}

// "EDIT BLOCK RESET": the block becomes the model's limits grown by the
// expansion on every side.
void ResetBlock(CommandCall& call) {
    call.ExpectEnd(3);
    Project& project = call.project();
    Block& block = project.block;
    for (std::size_t i = 0; i < block.limits.size(); ++i) {
        double grow = i % 2 == 0 ? -block.expansion : block.expansion;
        block.limits[i] = project.model_limits[i] + grow;
    }
    block.exists = true;
}

// "EDIT BLOCK RESETLIMIT 0": the expansion the next reset uses.
void SetBlockExpansion(CommandCall& call) {
    double expansion = NumberAt(call, 3);
    call.ExpectEnd(4);
    call.project().block.expansion = expansion;
}

// "EDIT BLOCK DRAWMODE 0": how the block is drawn; the simulated host
// draws its edges in every mode.
void SetBlockDrawMode(CommandCall& call) {
    double mode = NumberAt(call, 3);
    call.ExpectEnd(4);
    if (mode < 0 || mode != static_cast<int>(mode)) call.FailUnreadable();
    call.state().scene.block_draw_mode = static_cast<int>(mode);
}

void EditBlock(CommandCall& call) {
    const Command& command = call.command();
    if (command.IsKeyword(2, "RESET")) return ResetBlock(call);
    if (command.IsKeyword(2, "RESETLIMIT")) return SetBlockExpansion(call);
    if (command.IsKeyword(2, "DRAWMODE")) return SetBlockDrawMode(call);
    call.Record();  // locking: no effect on the limits
}

}  // namespace

void RegisterBlockCommands(CommandTable& table) {
    table.Route("DELETE", "BLOCK", DeleteBlock);
    table.Route("EDIT", "BLOCK", EditBlock);
}

}  // namespace orvalis::sim
