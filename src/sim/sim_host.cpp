#include "sim/sim_host.h"

#include <cmath>

#include "host/host_error.h"
#include "host/number_text.h"
#include "sim/command_reader.h"
#include "sim/commands/command_families.h"

namespace orvalis::sim {

SimHost::SimHost(Project project) {
    state_.project = std::move(project);
}

// The simulated host is always running.
void SimHost::Connect(std::optional<int> /*argument*/) {}

void SimHost::RunCommand(const std::string& line) {
    Run(line, "RunCommand " + line);
}

std::string SimHost::RunCommandOutput(const std::string& line) {
    return Run(line, "RunCommandOutput " + line);
}

std::string SimHost::Run(const std::string& line, const std::string& call) {
    const CommandTable& table = HostCommands();
    CommandLine commands(line, table);
    std::string output;
    try {
        // The host stops reading a line at its first refused command.
        for (const Command& command : commands.commands()) {
            CommandCall command_call(command, state_, output);
            table.Find(command)(command_call);
        }
    } catch (const CommandFailed& failure) {
        if (state_.project.dialogs.errors) throw host::HostError(call, failure.what());
        state_.quiet_errors.emplace_back(failure.what());
        output += failure.what();
        output += "\r\n";
    }
    return output;
}

long SimHost::Version() {
    return state_.project.version;
}

std::vector<std::string> SimHost::ToolpathNames() {
    std::vector<std::string> names;
    names.reserve(state_.project.toolpaths.size());
    for (const Toolpath& toolpath : state_.project.toolpaths) names.push_back(toolpath.name);
    return names;
}

void SimHost::FetchBlock() {
    if (!state_.project.block.exists) throw host::HostError("FetchBlock", "There is no block");
    state_.fetched_block = state_.project.block.limits;
}

std::size_t SimHost::LimitSlot(int index, const std::string& call) {
    if (index < 1 || index > 6) throw host::HostError(call, "block limit index out of range");
    return static_cast<std::size_t>(index - 1);
}

double SimHost::BlockLimit(int index) {
    std::string call = "BlockLimit " + std::to_string(index);
    std::size_t slot = LimitSlot(index, call);
    if (!state_.fetched_block) throw host::HostError(call, "the block has not been fetched");
    return (*state_.fetched_block)[slot];
}

// Changes the host's block and the fetched copy alike, so a read after the
// change returns the new limit.
void SimHost::SetBlockLimit(int index, double value) {
    std::string call = "SetBlockLimit " + std::to_string(index) + " " + host::NumberText(value);
    std::size_t slot = LimitSlot(index, call);
    if (!std::isfinite(value)) throw host::HostError(call, "a block limit must be a finite number");
    if (!state_.project.block.exists) throw host::HostError(call, "There is no block");
    state_.project.block.limits[slot] = value;
    if (state_.fetched_block) (*state_.fetched_block)[slot] = value;
}

}  // namespace orvalis::sim
