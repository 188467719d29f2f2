#pragma once

#include <QWidget>
#include <memory>

#include "gui/mark_action.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvalis {
class Form2;
}

namespace orvalis::gui {

// The rename window (Form2): a prefix, the names being renamed, one button.
class RenameWindow : public QWidget {
    Q_OBJECT
  public:
    RenameWindow(std::shared_ptr<Form2> model, MarkAction mark, QWidget* parent = nullptr);

    void Refresh();

    QLineEdit* Text1() const { return text1_; }
    QPushButton* Command5() const { return command5_; }

  private:
    MarkAction mark_;
    std::shared_ptr<Form2> model_;
    QLineEdit* text1_;
    QListWidget* list1_;
    QPushButton* command5_;
};

}  // namespace orvalis::gui
