#include "mainwin/main_window_model.h"

#include "forms/forms.h"
#include "forms/window_slot.h"
#include "mainwin/toolpath_grid.h"
#include "platform/drive_paths.h"

namespace orvalis {

MainWindowModel::MainWindowModel(forms::Forms& forms) : Window(forms), PM(forms.session()) {
    Combo4.AddItem("스 틸 용");
    Combo4.AddItem("전 극 용");
    for (const char* offset : {"G54", "G55", "G56", "G57", "G58", "G59"}) Combo3.AddItem(offset);
    Combo3.SetListIndex(0);
    Drive1.Drive = "c:";
    Dir1.Path = DriveRoot(Drive1.Drive);
    nc_prefix.Change = [this] { PrefixChanged(); };
    nc_start.Change = [this] { StartNumberChanged(); };
    StatusBar1 = kReady;
}

forms::FlexGrid MainWindowModel::toolpath_grid() const {
    return ToolpathGridOf(toolpath_table);
}

// The list follows the toolpath at work and the status bar says how far the
// work has come, so a long run shows it is alive.
void MainWindowModel::ShowProgress(const std::string& work, int index, int count,
                                   std::optional<int> list_index) {
    int position = list_index.value_or(index);
    survey_list.SetListIndex(position);
    Status(work + " " + std::to_string(index + 1) + "/" + std::to_string(count) + ": " +
           survey_list.List(position));
}

void MainWindowModel::Status(std::string text) {
    StatusBar1 = std::move(text);
    NotifyChanged();
}

// The registry's slot for the main window, and what the other windows ask of it.
MainWindowModel& forms::Forms::main_window() {
    return Get(main_window_);
}

void forms::Forms::RestoreMainWindow() {
    if (main_window_) main_window_->SetWindowState(forms::Window::kNormal);
}

void forms::Forms::ToolpathsRenamed(
    const std::string& done, const std::vector<std::pair<std::string, std::string>>& renamed) {
    if (main_window_) main_window_->ShowRenamedToolpaths(done, renamed);
}

void forms::Forms::TellMainWindow(const std::string& done) {
    if (main_window_) main_window_->ShowDone(done);
}

void forms::Forms::CompaniesChanged() {
    if (main_window_) main_window_->ReloadCompanies();
}

int forms::Forms::MainWindowMaterial() {
    return main_window().Combo4.ListIndex();
}

}  // namespace orvalis
