#pragma once

#include <QWidget>
#include <memory>

#include "gui/mark_action.h"
#include "window_models/launcher_model.h"

class QPushButton;

namespace orvalis::gui {

// The start-up window (LauncherModel): the main window, the rename window and the
// settings window are reached from its three buttons. Closing it ends the
// program.
class LauncherWindow : public QWidget {
    Q_OBJECT
  public:
    LauncherWindow(std::shared_ptr<LauncherModel> model, MarkAction mark,
                   QWidget* parent = nullptr);

    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    QPushButton* Command3() const { return command3_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    MarkAction mark_;
    std::shared_ptr<LauncherModel> model_;
    QPushButton* command1_;
    QPushButton* command2_;
    QPushButton* command3_;
};

}  // namespace orvalis::gui
