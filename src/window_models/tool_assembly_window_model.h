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

    forms::FlexGrid assembly_grid;  // MSFlexGrid1
    // Text1 to Text16: field n of the new record, under the label of
    // heading n.
    forms::TextBox& EntryBox(int field) { return entries_.at(static_cast<std::size_t>(field - 1)); }
    const forms::TextBox& EntryBox(int field) const {
        return entries_.at(static_cast<std::size_t>(field - 1));
    }
    forms::Button load_button{"불러오기"};  // Command1
    forms::Button save_button{"저장"};      // Command2
    forms::Button clear_button{"초기화"};   // Command3
    forms::Button delete_button{"삭제"};    // removes the chosen row's record from the file
    // Frame1: the material the main window's selector showed at the opening;
    // shown only, never read back.
    forms::OptionButton steel_option{"스틸용"};      // Option1
    forms::OptionButton electrode_option{"전극용"};  // Option2

    // The records of grid rows 1 to the last, as the collision check looks
    // them up.
    std::vector<collision::AssemblyRecord> AssemblyRows() const;

    void Load();
    void ClickLoadTable();     // 불러오기
    void ClickSaveRecord();    // 저장
    void ClickClearEntries();  // 초기화
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

    std::array<forms::TextBox, collision::kFieldCount> entries_;
    int selected_row_ = 0;
};

}  // namespace orvalis
