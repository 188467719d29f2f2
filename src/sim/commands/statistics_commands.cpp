#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

constexpr const char* kStatisticsForm = "TOOLPATHSTATS";

// "FORM TOOLPATHSTATS": opens a form of the host; form values can then be read.
void OpenForm(CommandCall& call) {
    std::string form = UpperCopy(WordAt(call, 1));
    call.ExpectEnd(2);
    call.state().open_forms.insert(form);
}

// "TOOLPATHSTATS ESTIMATE": the machining time of the active toolpath.
void Estimate(CommandCall& call) {
    call.ExpectEnd(2);
    Project& project = call.project();
    const Toolpath* toolpath = project.FindToolpath(project.active_toolpath);
    if (!toolpath) call.Fail(NothingActive("toolpath"));
    call.state().estimated_seconds = toolpath->machining_seconds;
}

// "TOOLPATHSTATS CANCEL" closes the statistics form and forgets its estimate.
void CancelStatistics(CommandCall& call) {
    call.ExpectEnd(2);
    call.state().open_forms.erase(kStatisticsForm);
    call.state().estimated_seconds.reset();
}

}  // namespace

void RegisterStatisticsCommands(CommandTable& table) {
    table.Route("FORM", "", OpenForm);
    table.Route("TOOLPATHSTATS", "ESTIMATE", Estimate);
    table.Route("TOOLPATHSTATS", "CANCEL", CancelStatistics);
    table.Accept("TOOLPATHSTATS");
}

}  // namespace orvalis::sim
