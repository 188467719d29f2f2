#pragma once

#include <array>
#include <string>
#include <vector>

#include "collision/tool_assembly_table.h"
#include "controls/controls.h"
#include "window_models/interaction.h"
#include "window_models/window.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The tool settings window: the tool-assembly table of 공구DATA.DAT in a
// grid, a row of entry boxes for a new record, and which material the main
// window had chosen when it opened. The collision check reads the table from
// this grid as it stands, so the window may exist hidden.
class ToolAssemblyWindowModel : public forms::Window {
  public:
    explicit ToolAssemblyWindowModel(forms::Forms& forms);

    forms::FlexGrid MSFlexGrid1;
    // Text(1) to Text(16): field n of the new record, under the label of
    // heading n.
    forms::TextBox& Text(int number) { return texts_.at(static_cast<std::size_t>(number - 1)); }
    const forms::TextBox& Text(int number) const {
        return texts_.at(static_cast<std::size_t>(number - 1));
    }
    forms::Button Command1{"불러오기"};
    forms::Button Command2{"저장"};
    forms::Button Command3{"초기화"};
    forms::Button DeleteButton{"삭제"};  // removes the chosen row's record from the file
    // Frame1: the material the main window's selector showed at the opening;
    // shown only, never read back.
    forms::OptionButton Option1{"스틸용"};
    forms::OptionButton Option2{"전극용"};

    // The records of grid rows 1 to the last, as the collision check looks
    // them up.
    std::vector<collision::AssemblyRecord> AssemblyRows() const;

    void Load();
    void ClickLoadTable();     // Command1 불러오기
    void ClickSaveRecord();    // Command2 저장
    void ClickClearEntries();  // Command3 초기화
    // The grid row the user chose (the grid's current row); 0 for none.
    int SelectedRow() const { return selected_row_; }
    void SelectRow(int row) { selected_row_ = row; }
    // 삭제: asks, then removes the chosen row's record from the file and
    // shows the file again.
    void ClickDeleteRecord();
    // The user closed the window: the main window comes back and the registry
    // drops this one, so the model may be gone when this returns.
    void Unload();

  private:
    // Shows the file's records below the headings; false when the file
    // could not be read (the grid is then left as it was).
    bool LoadTable();
    void Tell(const std::string& text, forms::MessageIcon icon);

    std::array<forms::TextBox, collision::kFieldCount> texts_;
    int selected_row_ = 0;
};

}  // namespace orvalis
