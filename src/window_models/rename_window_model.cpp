#include "window_models/rename_window_model.h"

#include "host/host_error.h"
#include "host/quoted_names.h"
#include "host/toolpath_pass.h"
#include "window_models/forms.h"

namespace orvalis {

namespace {

constexpr int kListedRefusals = 10;  // a message box holds no more than this

std::string RenameReport(const std::vector<std::string>& refused, int renamed) {
    std::string text = std::to_string(renamed) + "개의 툴패스 이름을 바꿨습니다.\n" +
                       std::to_string(refused.size()) + "개는 바꾸지 못했습니다:";
    for (std::size_t i = 0; i < refused.size() && i < kListedRefusals; ++i) {
        text += "\n" + refused[i];
    }
    if (refused.size() > kListedRefusals) text += "\n...";
    return text;
}

}  // namespace

RenameWindowModel::RenameWindowModel(forms::Forms& forms) : Window(forms), pm(forms.session()) {}

void RenameWindowModel::ClickRename() {
    renamed_ = 0;
    refused_.clear();
    const std::string prefix = rename_prefix.Text();
    // No prefix renames to 1, 2, 3 …, which the question shows before
    // anything is renamed (and answers no by default). A prefix of blanks
    // only would make names that look bare but are not: it is refused.
    if (!prefix.empty() && prefix.find_first_not_of(' ') == std::string::npos) {
        forms().interaction().Message(
            {"이름(접두어)이 빈칸뿐입니다. 빈칸을 지우거나 접두어를 넣어 주세요. 아무것도 "
             "바꾸지 않았습니다.",
             "이름바꾸기", forms::MessageIcon::kExclamation});
        return;
    }
    if (auto problem = host::UnquotableNameProblem("이름(접두어)", prefix); !problem.empty()) {
        forms().interaction().Message({problem + ". 아무것도 바꾸지 않았습니다.", "이름바꾸기",
                                       forms::MessageIcon::kExclamation});
        return;
    }
    // "Not connected" only when the host could not be reached; a host that
    // answers but cannot list its toolpaths is told as that.
    const char* failed = "파워밀에 연결되지 않았습니다.";
    try {
        pm.Connect();
        pm.Connect(0);
        failed = "툴패스 목록을 읽지 못했습니다. 아무것도 바꾸지 않았습니다.";
        for (auto& name : pm.ToolpathNames()) {
            // A name that cannot be sent cannot be renamed either: it keeps its name.
            if (auto problem = host::UnquotableNameProblem("툴패스 이름", name); !problem.empty()) {
                refused_.push_back(problem);
            } else {
                renaming_list.AddItem(std::move(name));
            }
        }
    } catch (const host::HostError& error) {
        renaming_list.Clear();
        refused_.clear();
        forms().interaction().Message({std::string(failed) + "\n(" + error.what() + ")",
                                       "이름바꾸기", forms::MessageIcon::kCritical});
        return;
    }
    NotifyChanged();
    if (!AgreeToRename(prefix)) {
        renaming_list.Clear();
        NotifyChanged();
        return;
    }
    std::vector<std::pair<std::string, std::string>> renamed;
    int not_done = RenameListed(prefix, renamed);
    int count = renaming_list.ListCount();
    renaming_list.Clear();
    NotifyChanged();
    std::string done = "툴패스 " + std::to_string(renamed_) + "개의 이름을 바꿨습니다: " + prefix +
                       "1" + (count > 1 ? " … " + prefix + std::to_string(count) : std::string());
    if (not_done > 0) done += " / 취소: " + std::to_string(not_done) + "개는 바꾸지 않았습니다";
    if (!refused_.empty())
        done += " / " + std::to_string(refused_.size()) + "개는 바꾸지 못했습니다";
    forms().ToolpathsRenamed(done, renamed);
    if (not_done > 0) {
        std::string text = "취소했습니다: " + std::to_string(renamed_) +
                           "개의 툴패스 이름을 바꿨고 " + std::to_string(not_done) +
                           "개는 바꾸지 않았습니다.";
        if (!refused_.empty()) text += "\n" + RenameReport(refused_, renamed_);
        forms().interaction().Message({text, "이름바꾸기", forms::MessageIcon::kExclamation});
    } else if (!refused_.empty()) {
        forms().interaction().Message(
            {RenameReport(refused_, renamed_), "이름바꾸기", forms::MessageIcon::kExclamation});
    }
}

// A name the host refuses is its own affair; the others are still renamed.
// Only the renaming may be cancelled, not the main window's listing after it.
int RenameWindowModel::RenameListed(const std::string& prefix,
                                    std::vector<std::pair<std::string, std::string>>& renamed) {
    auto new_name = [&prefix](int n) { return prefix + std::to_string(n + 1); };
    host::PassCount pass = host::RunToolpathPass(
        pm, renaming_list.ListCount(),
        [&](int n) {
            renaming_list.SetListIndex(n);
            pm.RunCommand("RENAME Toolpath '" + renaming_list.List(n) + "'  '" + new_name(n) + "'");
            renamed.emplace_back(renaming_list.List(n), new_name(n));
            return host::StepEnd::kDone;
        },
        [&](int n, const host::HostError& error) {
            refused_.push_back(renaming_list.List(n) + " → " + new_name(n) + ": " + error.what());
            return host::AfterFailure::kGoOn;
        });
    renamed_ = pass.done;
    return pass.not_done;
}

// Renaming touches every toolpath of the project: the user sees the first
// names as they will be and agrees first.
bool RenameWindowModel::AgreeToRename(const std::string& prefix) {
    int count = renaming_list.ListCount();
    if (count == 0) {
        if (refused_.empty()) {
            forms().interaction().Message(
                {"프로젝트에 툴패스가 없습니다.", "이름바꾸기", forms::MessageIcon::kInformation});
        } else {
            forms().interaction().Message(
                {RenameReport(refused_, 0), "이름바꾸기", forms::MessageIcon::kExclamation});
        }
        return false;
    }
    constexpr int kShown = 3;
    std::string text = "툴패스 " + std::to_string(count) + "개의 이름을 바꿉니다:";
    for (int n = 0; n < count && n < kShown; ++n) {
        text += "\n" + renaming_list.List(n) + " → " + prefix + std::to_string(n + 1);
    }
    if (count > kShown) text += "\n…";
    if (!refused_.empty()) {
        text += "\n이름을 다룰 수 없는 툴패스 " + std::to_string(refused_.size()) +
                "개는 그대로 둡니다.";
    }
    text += "\n바꾸시겠습니까?";
    return forms().interaction().Confirm(
        {text, "이름바꾸기", forms::MessageIcon::kQuestion, /*default_no=*/true});
}

}  // namespace orvalis
