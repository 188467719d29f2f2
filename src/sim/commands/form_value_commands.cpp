#include "host/number_text.h"
#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/host_texts.h"
#include "sim/report_layout.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

// The tool bar's active tool; an empty line when no tool is active.
void ActiveTool(CommandCall& call) {
    call.Print(call.project().active_tool);
}

// The statistics form's time, once the form is open and has estimated.
void EstimatedTime(CommandCall& call) {
    HostState& state = call.state();
    if (!state.open_forms.count("TOOLPATHSTATS")) call.Fail("Form 'ToolpathStats' is not open");
    if (!state.estimated_seconds) call.Fail("No estimate has been made");
    call.Print(DurationText(*state.estimated_seconds));
}

// The area clearance form's step-down: that of the active toolpath.
void AreaClearanceStepDown(CommandCall& call) {
    Project& project = call.project();
    const Toolpath* toolpath = project.FindToolpath(project.active_toolpath);
    if (!toolpath) call.Fail(NothingActive("toolpath"));
    if (!toolpath->stepdown) call.Fail("Toolpath '" + toolpath->name + "' has no step-down");
    call.Print(host::NumberText(*toolpath->stepdown));
}

struct FormValue {
    std::string_view name;
    CommandHandler print;
};

constexpr FormValue kFormValues[] = {
    {"ToolToolBar.Active", ActiveTool},
    {"ToolpathStats.Time", EstimatedTime},
    {"AreaClear.StepdownFrame.StepDown", AreaClearanceStepDown},
};

// "PRINT FORMVALUE ToolToolBar.Active": one line ended by CR LF.
void PrintFormValue(CommandCall& call) {
    std::string_view name = WordAt(call, 2);
    call.ExpectEnd(3);
    for (const FormValue& value : kFormValues) {
        if (EqualsNoCase(value.name, name)) return value.print(call);
    }
    call.Fail(MissingEntity("Form value", name));
}

}  // namespace

void RegisterFormValueCommands(CommandTable& table) {
    table.Route("PRINT", "FORMVALUE", PrintFormValue);
}

}  // namespace orvalis::sim
