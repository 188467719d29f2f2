// The main window's folder panel (tab "위치1"): drive, folder and a new folder.
#include "window_models/main_window_model.h"

#include <filesystem>
#include <system_error>

#include "platform/drive_paths.h"
#include "window_models/forms.h"

namespace orvalis {

namespace fs = std::filesystem;

// The new folder is where the files go from now on, as after Enter in the
// name box: making it and leaving the parent as the target would send the
// next sheet and NC files where the user did not expect them.
void MainWindowModel::ClickCreateFolder() {
    if (!CreateFolder()) return;
    create_folder_button.Visible = true;
    DriveChanged();
    Status("폴더를 만들었습니다. 파일은 이제 이 폴더에 씁니다: " + folder_list.Path);
}

void MainWindowModel::OpenFolder(const std::string& path) {
    folder_list.Path = path;
    FolderChanged();
    Status("파일을 쓸 폴더: " + path);
}

void MainWindowModel::FolderNameKeyPress(int key_ascii) {
    if (key_ascii != 13) return;
    if (!CreateFolder()) return;
    // Enter also opens the new folder: the drive's current folder is now the new one.
    create_folder_button.Visible = true;
    DriveChanged();
    Status("폴더를 만들었습니다. 파일은 이제 이 폴더에 씁니다: " + folder_list.Path);
}

bool MainWindowModel::CreateFolder() {
    new_folder_name_ = folder_name.Text();
    auto tell = [this](const std::string& text) {
        forms().interaction().Message({text, "폴더 생성", forms::MessageIcon::kExclamation});
        return false;
    };
    if (std::string problem = FolderNameProblem(new_folder_name_); !problem.empty()) {
        return tell(problem);
    }
    std::string path = JoinFolder(folder_list.Path, new_folder_name_);
    fs::path resolved = ResolvePath(path);
    std::error_code error;
    if (fs::exists(resolved, error)) return tell("이미 있는 폴더입니다: " + path);
    if (!fs::create_directory(resolved, error)) {
        return tell("폴더를 만들 수 없습니다: " + path + " (" + error.message() + ")");
    }
    current_folders_[DriveOf(path)] = path;
    return true;
}

void MainWindowModel::DriveChanged() {
    auto current = current_folders_.find(drive_list.Drive);
    ChangeFolder(current != current_folders_.end() ? current->second : DriveRoot(drive_list.Drive));
}

void MainWindowModel::ChangeFolder(const std::string& path) {
    folder_list.Path = path;
    FolderChanged();
}

void MainWindowModel::FolderChanged() {
    file_list.Path = folder_list.Path;
    file_list.Pattern = kFilePattern;
    file_list.Refresh();
    NotifyChanged();
}

}  // namespace orvalis
