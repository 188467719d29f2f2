// The main window's load: it connects to the host and fills the lists, the
// version label, the settings and the project's name and folder.
#include "window_models/main_window_model.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "data_files/settings_files.h"
#include "host/host_error.h"
#include "host/host_messages.h"
#include "host/quoted_names.h"
#include "nc_output/nc_post.h"
#include "platform/drive_paths.h"
#include "platform/native_path.h"
#include "window_models/forms.h"
#include "window_models/joined.h"

namespace orvalis {

namespace fs = std::filesystem;

namespace {

// A single value printed by the host, with every line break of the answer removed.
std::string WithoutLineBreaks(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
    return text;
}

}  // namespace

void MainWindowModel::Load() {
    std::vector<std::string> problems;
    connection_problem_.clear();
    try {
        pm.Connect();
    } catch (const host::HostError& error) {
        connection_problem_ = host::NotConnectedProblem(error);
        problems.push_back(connection_problem_);
    }
    ListPostProcessors(problems);
    if (pm.connected()) ListToolpaths(problems);
    file_list.Pattern = kFilePattern;
    if (pm.connected()) ShowVersion(problems);
    LoadSettings(problems);
    if (pm.connected()) ShowProject(problems);
    ReportLoad(problems);
    // Without the host the window shows nothing of the project: say so
    // where it cannot be missed; the status bar keeps saying it.
    if (!connection_problem_.empty()) {
        forms().interaction().Message(
            {connection_problem_, "ORVALIS", forms::MessageIcon::kCritical});
    }
}

void MainWindowModel::ListPostProcessors(std::vector<std::string>& problems) {
    post_option.Clear();
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator it(ResolvePath(nc_output::kPostFolder), error), end;
         !error && it != end; it.increment(error)) {
        names.push_back(Utf8(it->path().filename()));
    }
    std::sort(names.begin(), names.end());
    for (auto& name : names) post_option.AddItem(std::move(name));
    if (post_option.ListCount() == 0) {
        problems.push_back(std::string("후처리 옵션 폴더가 비어 있습니다 (") +
                           nc_output::kPostFolder + ")");
        return;
    }
    post_option.SetListIndex(0);
}

void MainWindowModel::ListToolpaths(std::vector<std::string>& problems) {
    try {
        project_list.Clear();
        // A toolpath whose name cannot be sent cannot be surveyed, checked or
        // posted: it is not offered, and the user is told which it is.
        for (auto& name : pm.ToolpathNames()) {
            if (auto problem = host::UnquotableNameProblem("툴패스 이름", name); !problem.empty()) {
                problems.push_back("ORVALIS가 다룰 수 없는 툴패스를 목록에서 뺐습니다: " + problem);
            } else {
                project_list.AddItem(std::move(name));
            }
        }
        toolpaths_listed_ = true;
    } catch (const host::HostError& error) {
        toolpaths_listed_ = false;  // no list to hold the survey list against
        problems.push_back(std::string("툴패스 목록을 읽지 못했습니다 (") + error.what() + ")");
    }
}

void MainWindowModel::ShowVersion(std::vector<std::string>& problems) {
    try {
        version_code_ = std::to_string(pm.Version());
    } catch (const host::HostError& error) {
        problems.push_back(std::string("파워밀 버전을 읽지 못했습니다 (") + error.what() + ")");
        return;
    }
    // The version codes in the order of the labels.
    const char* codes[] = {"4505", "5504", "6008", "7006", "8009", "9003"};
    for (std::size_t i = 0; i < version_labels.size(); ++i)
        version_labels[i].Visible = version_code_ == codes[i];
}

void MainWindowModel::LoadSettings(std::vector<std::string>& problems) {
    // A settings file that is there but cannot be read reads as empty; the
    // user is told why rather than that nothing is set.
    if (auto unreadable = settings::UnreadableFile(settings::SettingFilePath())) {
        problems.push_back(*unreadable);
    }
    std::optional<std::string> companies_unreadable =
        settings::UnreadableFile(settings::CompanyFilePath());
    nc_extension.SetText(settings::LoadNcExtension());
    company_name.Clear();
    for (auto& company : settings::LoadCompanyList()) company_name.AddItem(std::move(company));
    material.SetListIndex(0);
    if (company_name.ListCount() == 0) {
        problems.push_back(companies_unreadable.value_or("등록된 업체가 없습니다"));
        return;
    }
    company_name.SetListIndex(0);
}

void MainWindowModel::ReloadCompanies() {
    std::string shown = company_name.Text();
    company_name.Clear();
    for (auto& company : settings::LoadCompanyList()) company_name.AddItem(std::move(company));
    const auto& companies = company_name.Items();
    auto kept = std::find(companies.begin(), companies.end(), shown);
    if (kept != companies.end()) {
        company_name.SetListIndex(static_cast<int>(kept - companies.begin()));
    } else if (!shown.empty()) {
        company_name.SetText(shown);  // a name typed into the box stays as typed
    } else if (company_name.ListCount() > 0) {
        company_name.SetListIndex(0);
    }
    NotifyChanged();
}

void MainWindowModel::ShowProject(std::vector<std::string>& problems) {
    try {
        project_folder.Caption = WithoutLineBreaks(pm.RunCommandOutput("PRINT VALUE PROJECTPATH"));
        project_name.Caption = WithoutLineBreaks(pm.RunCommandOutput("PRINT VALUE PROJECTNAME"));
        part_name.SetText(project_name.Caption);
    } catch (const host::HostError& error) {
        problems.push_back(std::string("프로젝트 이름과 위치를 읽지 못했습니다 (") + error.what() +
                           ")");
        return;
    }
    if (project_folder.Caption.empty()) return;
    // The project folder becomes the drive's current folder, which the drive
    // list then opens.
    current_folders_[DriveOf(project_folder.Caption)] = project_folder.Caption;
    if (IsDrivePath(project_folder.Caption)) {
        drive_list.Drive = DriveOf(project_folder.Caption);
        DriveChanged();
    } else {
        ChangeFolder(project_folder.Caption);
    }
}

void MainWindowModel::ReportLoad(const std::vector<std::string>& problems) {
    Status(problems.empty() ? kReady : forms::Joined(problems, " / "));
}

}  // namespace orvalis
