#pragma once

#include <QWidget>
#include <array>
#include <memory>

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
    QLineEdit* Text(int number) const;        // Text1 .. Text9
    QPushButton* Command(int number) const;   // Command1 .. Command4
    QWidget* SizePair(int number) const;      // the pair headed by Label1 .. Label4
    QLabel* Note() const { return label7_; }  // Label7

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildSizeFrame();
    QWidget* BuildSizePair(int number, const QString& heading, int width_box);
    QWidget* BuildExtensionRow();
    void ConnectEdits();
    QPushButton* AddButton(int number, const QString& caption);

    std::shared_ptr<SettingsWindowModel> model_;
    std::array<QLineEdit*, 10> texts_{};      // Text1 .. Text9 by number
    std::array<QPushButton*, 5> commands_{};  // Command1 .. Command4 by number
    std::array<QWidget*, 5> size_pairs_{};    // by heading label number
    QLabel* label7_ = nullptr;
};

}  // namespace orvalis::gui
