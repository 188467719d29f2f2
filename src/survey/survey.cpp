#include "survey/survey.h"

#include <algorithm>

#include "host/host_error.h"
#include "host/host_messages.h"
#include "host/quoted_names.h"
#include "host/send_each.h"
#include "host/toolpath_pass.h"
#include "survey/host_answers.h"
#include "survey/report_error.h"
#include "survey/tool_report.h"
#include "survey/toolpath_report.h"

namespace orvalis::survey {

namespace {

// Quiets the host before each toolpath: no drawing of the selected toolpath,
// no message or error dialogs waiting for a click, no command echo.
constexpr const char* kQuietCommands[] = {
    "DEACTIVATE TOOLPATH",
    "edit preference seldrawtp no",
    "DIALOGS MESSAGE OFF",
    "DIALOGS ERROR OFF",
    "TOOLBAR COMMANDBAR LOWER",
    "ECHO OFF DCPDEBUG UNTRACE COMMAND ACCEPT",
    "DIALOGS MESSAGE OFF",
    "DIALOGS ERROR OFF",
    "ECHO OFF DCPDEBUG UNTRACE COMMAND ACCEPT",
};

// Gives the host back to the user as it was before the survey.
const std::vector<std::string> kClosingCommands = {
    "DIALOGS MESSAGE ON",
    "DIALOGS ERROR ON",
    "edit preference seldrawtp yes",
};

// Machining time and lowest point, from the host's estimate and measurement.
void EstimateAndMeasure(host::HostChannel& pm, SurveyValues& values) {
    const std::string& name = values.toolpath_name;
    pm.RunCommandOutput("ACTIVATE Toolpath '" + name + "'");
    pm.RunCommandOutput("TOOLPATHSTATS ESTIMATE");
    pm.RunCommandOutput("FORM TOOLPATHSTATS TOOLPATHSTATS ESTIMATE");
    values.machining_time =
        MachiningTimeFrom(pm.RunCommandOutput("PRINT FORMVALUE ToolpathStats.Time"));
    pm.RunCommandOutput("TOOLPATHSTATS CANCEL");
    values.lowest_point = LowestPointFrom(pm.RunCommandOutput("SIZE TOOLPATH  '" + name + "'"));
}

// Tool, allowance, steps and strategy, from the parameter reports.
void ReadReports(host::HostChannel& pm, SurveyValues& values) {
    values.tool_name = FirstLineOf(pm.RunCommandOutput("PRINT FORMVALUE ToolToolBar.Active"));
    if (auto problem = host::UnquotableNameProblem("공구 이름", values.tool_name); !problem.empty())
        throw ReportError(problem);
    ReadToolReport(pm.RunCommandOutput("print entity parameters  tool '" + values.tool_name + "'"),
                   values);
    ReadToolpathReport(
        pm.RunCommandOutput("print entity parameters  toolpath '" + values.toolpath_name + "'"),
        values,
        [&pm] { return pm.RunCommandOutput("PRINT FORMVALUE AreaClear.StepdownFrame.StepDown"); });
}

void SendClosingCommands(host::HostChannel& pm, SurveyResult& result) {
    if (auto failure = host::SendEach(pm, kClosingCommands)) {
        result.problems.push_back("파워밀 대화상자와 툴패스 표시를 다시 켜지 못했습니다: " +
                                  host::HostProblem(*failure));
    }
}

// A cancel names where the survey stopped and how many toolpaths it left.
void RecordCancel(SurveyResult& result, int index, int not_done, const std::string& name) {
    result.failed_entry = index;
    result.problems.push_back("취소했습니다: '" + name + "' 툴패스(" + std::to_string(index + 1) +
                              "번째)부터 " + std::to_string(not_done) + "개는 불러오지 않았습니다");
}

void RecordFailure(SurveyResult& result, int index, const std::string& name,
                   const std::string& what) {
    result.failed_entry = index;
    result.problems.push_back("'" + name + "' 툴패스(" + std::to_string(index + 1) +
                              "번째)에서 불러오기를 멈췄습니다: " + what);
}

}  // namespace

SurveyValues SurveyToolpath(host::HostChannel& pm, const std::string& name) {
    SurveyValues values;
    values.toolpath_name = name;
    for (const char* line : kQuietCommands) pm.RunCommand(line);
    EstimateAndMeasure(pm, values);
    pm.RunCommand("DIALOGS MESSAGE On");
    ReadReports(pm, values);
    return values;
}

namespace {

// The assembly a toolpath's row shows.
using AssemblyOf = std::function<const AssemblyValues&(const std::string& toolpath)>;

// One survey's pass over the list, filling `result` row by row.
struct SurveyPass {
    host::HostChannel& pm;
    const std::vector<std::string>& toolpaths;
    const AssemblyOf& assembly_of;
    const ToolpathStarting& starting;
    const InProject& in_project;
    SurveyResult& result;

    const std::string& Name(int i) const { return toolpaths[static_cast<std::size_t>(i)]; }

    // An entry that cannot or must not reach the host gets an empty row and
    // the reason; the survey goes on.
    bool LeftOut(int i) {
        const std::string& name = Name(i);
        std::string problem = host::UnquotableNameProblem("툴패스 이름", name);
        if (!problem.empty()) {
            problem = std::to_string(i + 1) + "번째 툴패스는 불러오지 않았습니다: " + problem;
        } else if (in_project && !in_project(name)) {
            problem = "'" + name + "' 툴패스(" + std::to_string(i + 1) +
                      "번째)는 프로젝트에 없어 불러오지 않았습니다";
        } else {
            return false;
        }
        result.rows.emplace_back();
        result.problems.push_back(problem);
        return true;
    }

    host::StepEnd Step(int i) {
        if (LeftOut(i)) return host::StepEnd::kSkipped;
        if (starting) starting(i);
        const std::string& name = Name(i);
        try {
            result.rows.push_back(MakeToolpathRecord(SurveyToolpath(pm, name), assembly_of(name)));
        } catch (const ReportError& error) {
            RecordFailure(result, i, name, error.what());
            return host::StepEnd::kStop;
        }
        return host::StepEnd::kDone;
    }

    host::AfterFailure Failed(int i, const host::HostError& error) {
        RecordFailure(result, i, Name(i), host::HostProblem(error));
        return host::AfterFailure::kStop;
    }
};

SurveyResult Survey(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                    const AssemblyOf& assembly_of, const ToolpathStarting& starting,
                    const InProject& in_project) {
    SurveyResult result;
    try {
        pm.Connect();
    } catch (const host::HostError& error) {
        result.problems.push_back(host::NotConnectedProblem(error));
        return result;
    }
    int count = std::min(static_cast<int>(toolpaths.size()), kMaxToolpaths);
    result.not_surveyed = static_cast<int>(toolpaths.size()) - count;
    SurveyPass survey{pm, toolpaths, assembly_of, starting, in_project, result};
    host::PassCount pass = host::RunToolpathPass(
        pm, count, [&survey](int i) { return survey.Step(i); },
        [&survey](int i, const host::HostError& error) { return survey.Failed(i, error); });
    if (pass.cancelled) {
        RecordCancel(result, *pass.stopped_at, pass.not_done, survey.Name(*pass.stopped_at));
    }
    SendClosingCommands(pm, result);
    return result;
}

}  // namespace

SurveyResult RunSurvey(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                       const AssemblyValues& assembly, const ToolpathStarting& starting,
                       const InProject& in_project) {
    return Survey(
        pm, toolpaths,
        [&assembly](const std::string&) -> const AssemblyValues& { return assembly; }, starting,
        in_project);
}

SurveyResult RunSurvey(host::HostChannel& pm, const std::vector<std::string>& toolpaths,
                       const ToolpathAssemblies& assemblies, const ToolpathStarting& starting,
                       const InProject& in_project) {
    static const AssemblyValues kUnchecked;
    return Survey(
        pm, toolpaths,
        [&assemblies](const std::string& toolpath) -> const AssemblyValues& {
            auto found = assemblies.find(toolpath);
            return found != assemblies.end() ? found->second : kUnchecked;
        },
        starting, in_project);
}

std::string NotSurveyedMessage(const std::vector<std::string>& left_out) {
    std::string names;
    for (const auto& name : left_out) names += (names.empty() ? "" : ", ") + name;
    return "툴패스 표는 " + std::to_string(kMaxToolpaths) + "줄까지입니다: 앞의 " +
           std::to_string(kMaxToolpaths) + "개만 불러오고 나머지 " +
           std::to_string(left_out.size()) + "개는 불러오지 않았습니다 (" + names + ")";
}

}  // namespace orvalis::survey
