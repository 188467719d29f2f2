#include "tools/tool_assembly_window_model.h"

#include "forms/forms.h"
#include "forms/window_slot.h"
#include "platform/file_error.h"
#include "platform/tool_assembly_file.h"

namespace orvalis {

ToolAssemblyWindowModel::ToolAssemblyWindowModel(forms::Forms& forms)
    : Window(forms), MSFlexGrid1(tools::MakeToolAssemblyGrid()) {}

std::vector<tools::AssemblyRecord> ToolAssemblyWindowModel::AssemblyRows() const {
    return tools::TableRows(MSFlexGrid1);
}

// The options only show the main window's material; both materials share the
// one file, and with no material chosen nothing is loaded.
void ToolAssemblyWindowModel::Load() {
    MakeTopmost();
    int material = forms().MainWindowMaterial();
    if (material == 0 || material == 1) {
        LoadTable();
        (material == 0 ? Option1 : Option2).Value = true;
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
    MSFlexGrid1.SetRows(1);
    for (const auto& record : read.records) tools::AppendTableRow(MSFlexGrid1, record);
    if (read.incomplete) {
        Tell(
            "공구 설정 파일이 레코드 중간에서 끝납니다: 마지막 레코드는 16개 값이 다 있지 않아 "
            "불러오지 않았습니다.\n" +
                settings::ToolAssemblyFilePath(),
            forms::MessageIcon::kExclamation);
    }
    return true;
}

// Nothing is checked before saving: the shop keeps what it typed, and the
// lookup takes the first row of a key that is stored twice.
void ToolAssemblyWindowModel::ClickSaveRecord() {
    tools::AssemblyRecord record;
    for (int number = 1; number <= tools::kFieldCount; ++number) {
        record[static_cast<std::size_t>(number - 1)] = Text(number).Text();
    }
    try {
        settings::AppendToolAssembly(record);
    } catch (const FileError& error) {
        Tell("공구 설정을 저장하지 못했습니다. 입력한 값은 그대로 있습니다.\n" + error.path() +
                 "\n" + error.what(),
             forms::MessageIcon::kCritical);
        return;
    }
    for (auto& box : texts_) box.SetText("");
    ClickClearEntries();
    ClickLoadTable();
}

// Back to the designed two rows; row 1 keeps its text until the next load.
void ToolAssemblyWindowModel::ClickClearEntries() {
    MSFlexGrid1.SetRows(tools::kDesignedRows);
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

// The registry's slot for the tool settings window.
ToolAssemblyWindowModel& forms::Forms::tool_assembly_window() {
    return Get(tool_assembly_window_);
}
void forms::Forms::UnloadToolAssemblyWindow() {
    Drop(tool_assembly_window_);
}

}  // namespace orvalis
