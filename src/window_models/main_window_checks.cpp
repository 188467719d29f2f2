// The main window's tool verification handlers: the tool settings window,
// the holder collision check and the gouge display.

#include "collision/assembly_lookup.h"
#include "host/host_work.h"
#include "window_models/forms.h"
#include "window_models/joined.h"
#include "window_models/main_window_model.h"
#include "window_models/tool_assembly_window_model.h"

namespace orvalis {

namespace {

constexpr const char* kEmptyList = "검사할 툴패스가 없습니다. 툴패스를 목록에 넣어 주세요.";

}  // namespace

// The main window steps aside while the tool settings are open; closing them
// brings it back.
void MainWindowModel::ClickToolSettings() {
    SetWindowState(kMinimized);
    forms().tool_assembly_window().Show();
}

// A click that checks the box runs the pass; one that unchecks it only gives
// the host back. Either way the main window returns and the survey shows the
// tools as the host now holds them.
void MainWindowModel::ClickCollisionCheck() {
    host::LongWork work(pm);
    collision_check.Value = collision_check.Value == 1 ? 0 : 1;
    NotifyChanged();
    last_collision_ = {};
    std::vector<std::string> problems;
    if (collision_check.Value == 1) {
        if (!RunCollisionPass(problems)) return;
    } else {
        collision::SwitchDialogsOn(pm, problems);
    }
    if (survey_list.ListCount() > 0) survey_list.SetListIndex(0);
    SetWindowState(kNormal);
    // A cancelled pass leaves the grid as it was: the user asked the host work to stop.
    if (!pm.cancelled()) {
        ClickSurvey();  // which numbers the NC names as the boxes say
        problems.insert(problems.end(), last_survey_.problems.begin(), last_survey_.problems.end());
    }
    std::string done;
    if (collision_check.Value == 1) {
        done =
            "충돌 검사: 툴패스 " + std::to_string(last_collision_.checked()) + "개를 검사했습니다";
    }
    ReportChecks("충돌 간섭", done, std::move(problems), last_collision_.failed_entry.has_value());
}

bool MainWindowModel::RunCollisionPass(std::vector<std::string>& problems) {
    if (survey_list.ListCount() == 0) {
        Status(kEmptyList);
        return false;
    }
    survey_list.SetListIndex(0);
    SetWindowState(kMinimized);
    // The table as the tool settings window shows it, loaded hidden if need be.
    auto table = forms().tool_assembly_window().AssemblyRows();
    // The survey after the pass names the entries the project lacks.
    ProjectEntries entries = EntriesInProject();
    int count = static_cast<int>(entries.names.size());
    last_collision_ =
        collision::RunCollisionCheck(pm, entries.names, table, [this, &entries, count](int index) {
            ShowProgress("충돌 검사 중", index, count,
                         entries.positions[static_cast<std::size_t>(index)]);
        });
    KeepAssemblies(last_collision_);
    problems = last_collision_.problems;
    return true;
}

// A toolpath checked now shows its row's shank and holder; one skipped or
// failed shows none, whatever an earlier check had left.
void MainWindowModel::KeepAssemblies(const collision::CollisionResult& result) {
    for (const auto& check : result.toolpaths) {
        if (check.outcome == collision::CheckOutcome::kChecked && check.row) {
            assembly_values[check.toolpath] = collision::AssemblyValuesOf(*check.row);
        } else {
            assembly_values.erase(check.toolpath);
        }
    }
}

void MainWindowModel::ClickGougeDisplay() {
    host::LongWork work(pm);
    gouge_check.Value = gouge_check.Value == 1 ? 0 : 1;
    NotifyChanged();
    last_gouge_ = {};
    std::vector<std::string> problems;
    std::string done;
    if (gouge_check.Value == 1) {
        if (survey_list.ListCount() == 0) {
            Status(kEmptyList);
            return;
        }
        survey_list.SetListIndex(0);
        ProjectEntries entries = EntriesInProject();
        int count = static_cast<int>(entries.names.size());
        last_gouge_ =
            collision::RunGougeDisplay(pm, entries.names, [this, &entries, count](int index) {
                ShowProgress("과절삭 표시 중", index, count,
                             entries.positions[static_cast<std::size_t>(index)]);
            });
        if (!entries.left_out.empty()) last_gouge_.problems.push_back(entries.left_out);
        problems = last_gouge_.problems;
        done = "과절삭 표시: 툴패스 " + std::to_string(last_gouge_.drawn) + "개를 표시했습니다";
    } else {
        collision::SwitchDialogsOn(pm, problems);
    }
    if (survey_list.ListCount() > 0) survey_list.SetListIndex(0);
    ReportChecks("과절삭", done, std::move(problems), last_gouge_.failed_entry.has_value());
}

// A pass that went through leaves the status bar ready again. One that
// skipped or failed somewhere says what was done and what was not, in the
// status bar and a message box, as work the user asked for was not done.
void MainWindowModel::ReportChecks(const std::string& title, const std::string& done,
                                   std::vector<std::string> problems, bool failed) {
    if (problems.empty()) {
        Status(done.empty() ? std::string(kReady) : done);
        return;
    }
    std::vector<std::string> status = std::move(problems);
    if (!done.empty()) status.insert(status.begin(), done);
    Status(forms::Joined(status, " / "));
    // A cancel is what the user asked for, not a failure.
    forms::MessageIcon icon = pm.cancelled() ? forms::MessageIcon::kInformation
                              : failed       ? forms::MessageIcon::kCritical
                                             : forms::MessageIcon::kExclamation;
    forms().interaction().Message({forms::Joined(status, "\n"), title, icon});
}

}  // namespace orvalis
