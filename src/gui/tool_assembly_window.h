#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "gui/button_views.h"
#include "window_models/tool_assembly_window_model.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvalis::gui {

class FlexGridView;

// The tool settings window (ToolAssemblyWindowModel): the tool-assembly table, a row of entry
// boxes under their headings, the three buttons and the material options.
// Closing it unloads the model and brings the main window back.
class ToolAssemblyWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ToolAssemblyWindow(std::shared_ptr<ToolAssemblyWindowModel> model,
                                QWidget* parent = nullptr);
    ~ToolAssemblyWindow() override;

    // Shows the model's state again.
    void Refresh();

    // For tests: the controls under their window names.
    FlexGridView* Grid() const { return grid_; }
    // The entry box of field 1 to 16, as the model's EntryBox.
    QLineEdit* EntryBox(int field) const;
    QPushButton* Button(const forms::Button& button) const { return buttons_.Of(button); }
    QRadioButton* SteelOption() const { return options_[0]; }
    QRadioButton* ElectrodeOption() const { return options_[1]; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildEntryRow();
    QWidget* BuildButtonRow();
    void ConnectEdits();

    std::shared_ptr<ToolAssemblyWindowModel> model_;
    FlexGridView* grid_ = nullptr;
    std::array<QLineEdit*, 16> entry_boxes_{};  // Text1 .. Text16
    ButtonViews buttons_;
    std::array<QRadioButton*, 2> options_{};  // Option1 steel, Option2 electrode
};

}  // namespace orvalis::gui
