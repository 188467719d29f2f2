#include "window_models/main_window_model.h"

#include "platform/drive_paths.h"
#include "window_models/forms.h"
#include "window_models/toolpath_grid.h"

namespace orvalis {

MainWindowModel::MainWindowModel(forms::Forms& forms) : Window(forms), pm(forms.session()) {
    material.AddItem("스 틸 용");
    material.AddItem("전 극 용");
    for (const char* offset : {"G54", "G55", "G56", "G57", "G58", "G59"})
        work_offset.AddItem(offset);
    work_offset.SetListIndex(0);
    drive_list.Drive = "c:";
    folder_list.Path = DriveRoot(drive_list.Drive);
    nc_prefix.Change = [this] { PrefixChanged(); };
    nc_start.Change = [this] { StartNumberChanged(); };
    status_bar = kReady;
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
    status_bar = std::move(text);
    NotifyChanged();
}

}  // namespace orvalis
