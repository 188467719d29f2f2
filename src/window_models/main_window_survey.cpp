// The main window's survey ("불러오기"): the grid rows of the survey list.
#include "window_models/main_window_model.h"

#include <algorithm>

#include "host/host_messages.h"
#include "host/host_work.h"
#include "survey/toolpath_table.h"
#include "window_models/forms.h"
#include "window_models/joined.h"

namespace orvalis {

void MainWindowModel::ClickSurvey() {
    host::LongWork work(pm);
    int count = std::min(survey_list.ListCount(), survey::kMaxToolpaths);
    // Only what the project list holds reaches the host.
    last_survey_ = survey::RunSurvey(
        pm, survey_list.Items(), assembly_values,
        [this, count](int index) { ShowProgress("조회 중", index, count); }, InProjectList());
    for (std::size_t i = 0; i < last_survey_.rows.size(); ++i) {
        toolpath_table.Row(static_cast<int>(i)) = last_survey_.rows[i];
    }
    // The NC names stay numbered as the prefix and start boxes say.
    RepeatNumbering();
    int surveyed = static_cast<int>(last_survey_.rows.size());
    survey_stopped_at_.reset();
    if (!last_survey_.problems.empty() && surveyed < count) survey_stopped_at_ = surveyed;
    // After a failure the list stays on the toolpath that failed.
    if (!last_survey_.failed_entry && survey_list.ListCount() > 0) survey_list.SetListIndex(0);
    ReportSurvey();
}

survey::InProject MainWindowModel::InProjectList() const {
    if (!toolpaths_listed_) return {};
    return [this](const std::string& name) {
        const auto& listed = project_list.Items();
        return std::find(listed.begin(), listed.end(), name) != listed.end();
    };
}

MainWindowModel::ProjectEntries MainWindowModel::EntriesInProject() const {
    survey::InProject in_project = InProjectList();
    ProjectEntries entries;
    std::vector<std::string> left_out;
    for (int i = 0; i < survey_list.ListCount(); ++i) {
        const std::string& entry = survey_list.List(i);
        if (in_project && !in_project(entry)) {
            left_out.push_back(entry);
            continue;
        }
        entries.names.push_back(entry);
        entries.positions.push_back(i);
    }
    if (!left_out.empty()) {
        entries.left_out =
            "프로젝트에 없는 툴패스는 보내지 않았습니다: " + forms::Joined(left_out, ", ");
    }
    return entries;
}

void MainWindowModel::ReportSurvey() {
    if (!last_survey_.problems.empty()) {
        Status(forms::Joined(last_survey_.problems, " / "));
    } else if (last_survey_.not_surveyed > 0) {
        const auto& entries = survey_list.Items();
        std::vector<std::string> left_out(
            entries.begin() + std::min<std::ptrdiff_t>(survey::kMaxToolpaths,
                                                       static_cast<std::ptrdiff_t>(entries.size())),
            entries.end());
        std::string text = survey::NotSurveyedMessage(left_out);
        Status(text);
        forms().interaction().Message({text, "경고", forms::MessageIcon::kCritical});
    } else {
        // A finished survey says what it did, so a quick one is not missed.
        Status(last_survey_.rows.empty()
                   ? std::string("불러올 툴패스가 없습니다. 툴패스를 목록에 넣어 주세요.")
                   : "불러오기: 툴패스 " + std::to_string(last_survey_.rows.size()) +
                         "개를 불러왔습니다");
    }
}

std::vector<std::string> MainWindowModel::UnsurveyedEntries() const {
    std::vector<std::string> missing;
    int rows = std::min(survey_list.ListCount(), survey::kMaxToolpaths);
    for (int i = 0; i < rows; ++i) {
        bool stopped_before = survey_stopped_at_ && i >= *survey_stopped_at_;
        if (stopped_before || toolpath_table.Row(i).host_name != survey_list.List(i)) {
            missing.push_back(survey_list.List(i));
        }
    }
    return missing;
}

// Rows without the survey's tool data would go to the machine looking like
// finished ones, so the user decides; the safe answer is no.
bool MainWindowModel::AgreeToUnsurveyedRows() {
    std::vector<std::string> missing = UnsurveyedEntries();
    if (missing.empty()) return true;
    constexpr std::size_t kNamed = 10;
    std::vector<std::string> named(missing.begin(),
                                   missing.begin() + std::min(missing.size(), kNamed));
    std::string names = forms::Joined(named, ", ");
    if (missing.size() > kNamed) names += " 외 " + std::to_string(missing.size() - kNamed) + "개";
    std::string question = "툴패스 " + std::to_string(missing.size()) +
                           "개의 공구 정보를 불러오지 못했습니다: " + names +
                           "\n이 행들은 공구 정보 없이 시트에 들어갑니다. 그래도 시트를 "
                           "만드시겠습니까?";
    forms::MessageText text{question, "시트 만들기", forms::MessageIcon::kQuestion};
    text.default_no = true;
    if (forms().interaction().Confirm(text)) return true;
    Status("시트를 만들지 않았습니다: 불러오지 못한 툴패스 " + std::to_string(missing.size()) +
           "개");
    return false;
}

}  // namespace orvalis
