#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/channel.h"
#include "survey/assembly_values.h"
#include "survey/toolpath_table.h"

namespace orvalis::survey {

// Told before a toolpath is surveyed, with its index in the survey list, so
// the window can select it (and show how far the survey has come).
using ToolpathStarting = std::function<void(int index)>;

// Whether the open project holds a toolpath of this name (as the project
// list was last read). A host with its error dialogs off may answer commands
// on a toolpath it does not have with another toolpath's values, so such an
// entry is never sent to it. Empty: every name is taken as the project's.
using InProject = std::function<bool(const std::string& toolpath)>;

struct SurveyResult {
    // One row per toolpath surveyed, for table rows 0, 1, ... in list order;
    // an entry the project does not hold has an empty row.
    std::vector<ToolpathRecord> rows;
    // The survey-list index of the toolpath the survey ended at, if one failed.
    std::optional<int> failed_entry;
    // What went wrong, in Korean, naming the toolpath; empty when nothing did.
    std::vector<std::string> problems;
    // Entries beyond the table's last row, which were not surveyed.
    int not_surveyed = 0;

    bool complete() const { return problems.empty() && not_surveyed == 0; }
    // Nothing went wrong; toolpaths past the grid's last row may have been
    // left out, which the user is told but which fails nothing.
    bool succeeded() const { return problems.empty(); }
};

// The survey: connects `pm`, then for each toolpath of the survey list (up to
// the table's 60 rows) activates it, has the host estimate and measure it and
// print its tool's and its own parameters, and makes its row. The first
// failing toolpath ends the survey; the rows before it are kept. The host's
// dialogs and toolpath drawing are switched back on at the end in every case
// once connected. An entry that `in_project` does not hold, or whose name
// cannot stand in the host's quotes (host::UnquotableCharacter), is left out
// with an empty row and a problem naming it; the survey goes on after it.
SurveyResult RunSurvey(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                       const AssemblyValues& assembly, const ToolpathStarting& starting,
                       const InProject& in_project = {});
// As above, each row showing the assembly of its own toolpath.
SurveyResult RunSurvey(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                       const ToolpathAssemblies& assemblies, const ToolpathStarting& starting,
                       const InProject& in_project = {});

// The values of one toolpath, read from the host. Throws HostError or
// ReportError.
SurveyValues SurveyToolpath(host::HostChannel& pm, const std::string& name);

// Tells the user that the survey list had more entries than the grid has
// rows, naming the toolpaths left out.
std::string NotSurveyedMessage(const std::vector<std::string>& left_out);

}  // namespace orvalis::survey
