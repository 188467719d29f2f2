#pragma once

#include <QWidget>
#include <array>
#include <memory>

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
    QLineEdit* Text(int number) const;                            // Text1 .. Text16
    QPushButton* Command(int number) const;                       // Command1 .. Command3
    QRadioButton* Option(int number) const;                       // Option1, Option2
    QPushButton* DeleteButton() const { return delete_button_; }  // 삭제

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildEntryRow();
    QWidget* BuildButtonRow();
    void ConnectEdits();

    std::shared_ptr<ToolAssemblyWindowModel> model_;
    FlexGridView* grid_ = nullptr;
    std::array<QLineEdit*, 16> texts_{};
    std::array<QPushButton*, 3> commands_{};
    std::array<QRadioButton*, 2> options_{};
    QPushButton* delete_button_ = nullptr;
};

}  // namespace orvalis::gui
