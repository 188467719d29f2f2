#pragma once

#include <QWidget>
#include <memory>

#include "gui/mark_action.h"
#include "window_models/rename_window_model.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvalis::gui {

// The rename window (RenameWindowModel): a prefix, the names being renamed, one button.
class RenameWindow : public QWidget {
    Q_OBJECT
  public:
    RenameWindow(std::shared_ptr<RenameWindowModel> model, MarkAction mark,
                 QWidget* parent = nullptr);

    void Refresh();

    QLineEdit* RenamePrefix() const { return rename_prefix_; }
    QPushButton* RenameButton() const { return rename_button_; }

  private:
    MarkAction mark_;
    std::shared_ptr<RenameWindowModel> model_;
    QLineEdit* rename_prefix_;
    QListWidget* renaming_list_;
    QPushButton* rename_button_;
};

}  // namespace orvalis::gui
