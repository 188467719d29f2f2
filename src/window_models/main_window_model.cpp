#include "window_models/main_window_model.h"

#include "platform/drive_paths.h"
#include "survey/toolpath_grid.h"
#include "window_models/forms.h"

namespace orvalis {

MainWindowModel::MainWindowModel(forms::Forms& forms)
    : Window(forms), PM(forms.session()), MSFlexGrid1(survey::MakeToolpathGrid()) {
    Combo4.AddItem("스 틸 용");
    Combo4.AddItem("전 극 용");
    for (const char* offset : {"G54", "G55", "G56", "G57", "G58", "G59"}) Combo3.AddItem(offset);
    Combo3.SetListIndex(0);
    Drive1.Drive = "c:";
    Dir1.Path = DriveRoot(Drive1.Drive);
    Text8.Change = [this] { PrefixChanged(); };
    Text10.Change = [this] { StartNumberChanged(); };
    StatusBar1 = kReady;
}

// The list follows the toolpath at work and the status bar says how far the
// work has come, so a long run shows it is alive.
void MainWindowModel::ShowProgress(const std::string& work, int index, int count,
                                   std::optional<int> list_index) {
    int position = list_index.value_or(index);
    List2.SetListIndex(position);
    Status(work + " " + std::to_string(index + 1) + "/" + std::to_string(count) + ": " +
           List2.List(position));
}

void MainWindowModel::Status(std::string text) {
    StatusBar1 = std::move(text);
    NotifyChanged();
}

}  // namespace orvalis
