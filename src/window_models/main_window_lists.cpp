// The main window's two toolpath lists and the numbering of the NC names.
#include "window_models/main_window_model.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

#include "host/host_error.h"
#include "host/host_messages.h"
#include "window_models/forms.h"

namespace orvalis {

namespace {

// The whole number a box holds, blanks around it allowed.
std::optional<long> WholeNumber(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

void MainWindowModel::ClickAddAll() {
    for (const auto& name : project_list.Items()) survey_list.AddItem(name);
    Status(kReady);  // what an earlier action said is no longer news
}

void MainWindowModel::ClickAddSelected() {
    for (int i = 0; i < project_list.ListCount(); ++i) {
        if (project_list.Selected(i)) survey_list.AddItem(project_list.List(i));
    }
    Status(kReady);
}

void MainWindowModel::ClickRemoveSelected() {
    if (survey_list.ListIndex() < 0) {
        forms().interaction().Message(
            {"항목을선택해주세요", "경고", forms::MessageIcon::kCritical});
        return;
    }
    survey_list.RemoveItem(survey_list.ListIndex());
    survey_list.SetListIndex(-1);
    Status(kReady);
}

void MainWindowModel::ClickRemoveAll() {
    survey_list.Clear();
    Status(kReady);
}

void MainWindowModel::ClickRefreshToolpaths() {
    project_list.Clear();
    std::vector<std::string> problems;
    try {
        pm.Connect(0);
        pm.Connect(0);
        ListToolpaths(problems);
    } catch (const host::HostError& error) {
        problems.push_back(host::NotConnectedProblem(error));
    }
    ReportLoad(problems);
}

// The survey list follows the rename, so the next survey asks the host for
// the toolpaths by the names they now have.
void MainWindowModel::ShowRenamedToolpaths(
    const std::string& done, const std::vector<std::pair<std::string, std::string>>& renamed) {
    std::vector<std::string> entries = survey_list.Items();
    int selected = survey_list.ListIndex();
    survey_list.Clear();
    for (const std::string& entry : entries) {
        auto found = std::find_if(renamed.begin(), renamed.end(),
                                  [&entry](const auto& pair) { return pair.first == entry; });
        survey_list.AddItem(found != renamed.end() ? found->second : entry);
    }
    survey_list.SetListIndex(selected);
    ClickRefreshToolpaths();
    Status(status_bar == kReady ? done : done + " / " + status_bar);
}

void MainWindowModel::PrefixChanged() {
    nc_name_prefix_ = nc_prefix.Text();
    RenumberNcNames(1);
}

void MainWindowModel::StartNumberChanged() {
    auto start = WholeNumber(nc_start.Text());
    if (!start) {
        Status("시작 위치가 숫자가 아닙니다: NC 이름을 바꾸지 않았습니다");
        return;
    }
    RenumberNcNames(static_cast<int>(*start));
}

void MainWindowModel::RenumberNcNames(int first_number) {
    numbering_start_ = first_number;
    toolpath_table.NumberNcNames(nc_name_prefix_, first_number, survey_list.ListCount());
    Status(kReady);
}

void MainWindowModel::RepeatNumbering() {
    if (numbering_start_) RenumberNcNames(*numbering_start_);
}

}  // namespace orvalis
