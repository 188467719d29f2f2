#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "gui/button_views.h"
#include "window_models/settings_window_model.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvalis::gui {

// The settings window (SettingsWindowModel): the picture sizes two by two, the NC file
// extension and the way to the company registry. Shows the model and
// forwards every click and edit to it; closing it unloads the model.
class SettingsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SettingsWindow(std::shared_ptr<SettingsWindowModel> model, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // Shows the model's state again.
    void Refresh();

    // For tests: the controls under their window names.
    // The picture size boxes in the model's order (TOP width and height,
    // then ISO, Front and Right).
    QLineEdit* SizeBox(std::size_t index) const { return size_boxes_.at(index); }
    QLineEdit* ExtensionBox() const { return extension_box_; }
    QPushButton* Button(const forms::Button& button) const { return buttons_.Of(button); }
    QLabel* Note() const { return restart_note_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildSizeFrame();
    QWidget* BuildSizePair(const QString& heading, int width_box);
    QWidget* BuildExtensionRow();
    void ConnectEdits();
    QPushButton* AddButton(const forms::Button& button);

    std::shared_ptr<SettingsWindowModel> model_;
    std::array<QLineEdit*, 8> size_boxes_{};  // Text1 .. Text8
    QLineEdit* extension_box_ = nullptr;      // Text9
    ButtonViews buttons_;
    QLabel* restart_note_ = nullptr;  // Label7
};

}  // namespace orvalis::gui
