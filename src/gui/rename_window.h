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

    QLineEdit* Text1() const { return text1_; }
    QPushButton* Command5() const { return command5_; }

  private:
    MarkAction mark_;
    std::shared_ptr<RenameWindowModel> model_;
    QLineEdit* text1_;
    QListWidget* list1_;
    QPushButton* command5_;
};

}  // namespace orvalis::gui
