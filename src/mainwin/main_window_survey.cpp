// The main window's survey ("불러오기"): the grid rows of the survey list.
#include "mainwin/main_window_model.h"

#include "forms/forms.h"
#include "forms/joined.h"
#include "host/host_messages.h"
#include "host/host_work.h"
#include "survey/toolpath_grid.h"

namespace orvalis {

void MainWindowModel::ClickSurvey() {
    host::LongWork work(PM);
    int count = std::min(List2.ListCount(), survey::kMaxToolpaths);
    last_survey_ = survey::RunSurvey(PM, List2.Items(), assembly_values, [this, count](int index) {
        ShowProgress("조회 중", index, count);
    });
    for (std::size_t i = 0; i < last_survey_.rows.size(); ++i) {
        survey::WriteToolpathRow(MSFlexGrid1, static_cast<int>(i) + 1, last_survey_.rows[i]);
    }
    // After a failure the list stays on the toolpath that failed.
    if (!last_survey_.failed_entry && List2.ListCount() > 0) List2.SetListIndex(0);
    ReportSurvey();
}

void MainWindowModel::ReportSurvey() {
    if (!last_survey_.problems.empty()) {
        Status(forms::Joined(last_survey_.problems, " / "));
    } else if (last_survey_.not_surveyed > 0) {
        const auto& entries = List2.Items();
        std::vector<std::string> left_out(
            entries.begin() + std::min<std::ptrdiff_t>(survey::kMaxToolpaths,
                                                       static_cast<std::ptrdiff_t>(entries.size())),
            entries.end());
        std::string text = survey::NotSurveyedMessage(left_out);
        Status(text);
        forms().interaction().Message({text, "경고", forms::MessageIcon::kCritical});
    } else {
        Status(kReady);
    }
}

}  // namespace orvalis
