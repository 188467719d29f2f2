#include "window_models/tool_assembly_window_model.h"

#include "data_files/tool_assembly_file.h"
#include "platform/file_error.h"
#include "window_models/forms.h"
#include "window_models/tool_assembly_grid.h"

namespace orvalis {

ToolAssemblyWindowModel::ToolAssemblyWindowModel(forms::Forms& forms)
    : Window(forms), assembly_grid(MakeToolAssemblyGrid()) {}

std::vector<collision::AssemblyRecord> ToolAssemblyWindowModel::AssemblyRows() const {
    return GridRecords(assembly_grid);
}

// The options only show the main window's material; both materials share the
// one file, and with no material chosen nothing is loaded.
void ToolAssemblyWindowModel::Load() {
    int material = forms().MainWindowMaterial();
    if (material == 0 || material == 1) {
        LoadTable();
        (material == 0 ? steel_option : electrode_option).Value = true;
    }
    NotifyChanged();
}

// Each press shows the file once, replacing what the grid listed before.
void ToolAssemblyWindowModel::ClickLoadTable() {
    LoadTable();
    NotifyChanged();
}

bool ToolAssemblyWindowModel::LoadTable() {
    auto read = settings::ReadToolAssemblies();
    if (!read.found) {
        Tell("공구 설정 파일을 읽지 못했습니다.\n" + settings::ToolAssemblyFilePath(),
             forms::MessageIcon::kExclamation);
        return false;
    }
    assembly_grid.SetRows(1);
    for (const auto& record : read.records) AppendGridRecord(assembly_grid, record);
    if (read.incomplete) {
        Tell(
            "공구 설정 파일이 레코드 중간에서 끝납니다: 마지막 레코드는 16개 값이 다 있지 않아 "
            "불러오지 않았습니다.\n" +
                settings::ToolAssemblyFilePath(),
            forms::MessageIcon::kExclamation);
    }
    return true;
}

// A record without a diameter can never be found, and a field that is no
// number would reach the host's tool as typed: both are refused, the boxes
// keep their text. A key stored twice is kept; the lookup takes the first.
void ToolAssemblyWindowModel::ClickSaveRecord() {
    collision::AssemblyRecord record;
    for (int number = 1; number <= collision::kFieldCount; ++number) {
        record[static_cast<std::size_t>(number - 1)] = EntryBox(number).Text();
    }
    if (auto problem = collision::RecordProblem(record)) {
        Tell(*problem + "\n저장하지 않았습니다.", forms::MessageIcon::kExclamation);
        return;
    }
    try {
        settings::AppendToolAssembly(record);
    } catch (const FileError& error) {
        Tell("공구 설정을 저장하지 못했습니다. 입력한 값은 그대로 있습니다.\n" + error.path() +
                 "\n" + error.what(),
             forms::MessageIcon::kCritical);
        return;
    }
    for (auto& box : entries_) box.SetText("");
    ClickClearEntries();
    ClickLoadTable();
    Tell("공구 설정을 저장했습니다: 공구경 " + collision::FieldOf(record, collision::kDiameter),
         forms::MessageIcon::kInformation);
}

void ToolAssemblyWindowModel::ClickDeleteRecord() {
    auto rows = AssemblyRows();
    if (selected_row_ < 1 || selected_row_ > static_cast<int>(rows.size()) ||
        collision::FieldOf(rows[static_cast<std::size_t>(selected_row_ - 1)], collision::kDiameter)
            .empty()) {
        Tell("삭제할 레코드를 표에서 골라 주세요.", forms::MessageIcon::kExclamation);
        return;
    }
    const collision::AssemblyRecord& record = rows[static_cast<std::size_t>(selected_row_ - 1)];
    forms::MessageText question{"공구경 " + collision::FieldOf(record, collision::kDiameter) +
                                    " 레코드를 공구 설정 파일에서 삭제하시겠습니까?",
                                "공구설정", forms::MessageIcon::kQuestion};
    question.default_no = true;
    if (!forms().interaction().Confirm(question)) return;
    settings::RemoveOutcome outcome;
    try {
        outcome = settings::RemoveToolAssembly(record);
    } catch (const FileError& error) {
        Tell("공구 설정 파일을 고치지 못했습니다. 파일은 그대로 있습니다.\n" + error.path() + "\n" +
                 error.what(),
             forms::MessageIcon::kCritical);
        return;
    }
    if (outcome == settings::RemoveOutcome::kFileIncomplete) {
        Tell("공구 설정 파일이 레코드 중간에서 끝나 삭제하지 않았습니다.\n" +
                 settings::ToolAssemblyFilePath(),
             forms::MessageIcon::kExclamation);
        return;
    }
    if (outcome == settings::RemoveOutcome::kNotFound) {
        Tell("이 레코드는 공구 설정 파일에 없습니다. 표를 다시 불러옵니다.",
             forms::MessageIcon::kExclamation);
    }
    selected_row_ = 0;
    ClickClearEntries();
    ClickLoadTable();
}

// Back to the designed two rows; row 1 keeps its text until the next load.
void ToolAssemblyWindowModel::ClickClearEntries() {
    assembly_grid.SetRows(kAssemblyGridDesignedRows);
    NotifyChanged();
}

void ToolAssemblyWindowModel::Unload() {
    forms().RestoreMainWindow();
    Hide();
    // A model that was already replaced must not take its successor along.
    if (forms().HasToolAssemblyWindow() && &forms().tool_assembly_window() == this)
        forms().UnloadToolAssemblyWindow();
}

void ToolAssemblyWindowModel::Tell(const std::string& text, forms::MessageIcon icon) {
    forms().interaction().Message({text, "공구설정", icon});
}

}  // namespace orvalis
