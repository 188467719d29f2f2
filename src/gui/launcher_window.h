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

    QPushButton* MainWindowButton() const { return main_window_button_; }
    QPushButton* RenameButton() const { return rename_button_; }
    QPushButton* SettingsButton() const { return settings_button_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    MarkAction mark_;
    std::shared_ptr<LauncherModel> model_;
    QPushButton* main_window_button_;
    QPushButton* rename_button_;
    QPushButton* settings_button_;
};

}  // namespace orvalis::gui
