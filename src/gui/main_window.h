#pragma once

#include <QMainWindow>
#include <QString>
#include <QTime>
#include <array>
#include <memory>

#include "gui/mark_action.h"
#include "window_models/main_window_model.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedLayout;
class QTabWidget;

namespace orvalis::gui {

class FlexGridView;
class FolderPanelView;

// The status bar's clock: "오전 9:05", "오후 4:21", in Korean as the rest of
// the windows (Qt's own "AP" would read "AM" and "PM").
QString ClockText(const QTime& time);

// The main window (ORVALIS): shows the MainWindowModel model and forwards every click
// and edit to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(std::shared_ptr<MainWindowModel> model, MarkAction mark, QWidget* parent = nullptr);

    // Shows the model's state again.
    void Refresh();

    // For tests: the controls under their window names.
    QListWidget* List1() const { return list1_; }
    QListWidget* List2() const { return list2_; }
    QPushButton* Command(int number) const;
    QLineEdit* Text8() const { return text8_; }
    QLineEdit* Text10() const { return text10_; }
    QComboBox* Combo2() const { return combo2_; }
    FlexGridView* Grid() const { return grid_; }
    QLabel* StatusPanel() const { return status_panel_; }
    QLabel* VersionLabel(int number) const { return version_labels_.at(number - 11); }
    FolderPanelView* FolderPanel() const { return folder_panel_; }
    QCheckBox* Check1() const { return check1_; }
    QCheckBox* Check2() const { return check2_; }
    QCheckBox* MarkChangesCheck() const { return mark_changes_; }
    // "취소": stops long host work; enabled only while it runs (see BusyWork).
    QPushButton* CancelButton() const { return cancel_; }

  private:
    QWidget* BuildSheetFrame();
    QWidget* BuildToolpathFrame();
    QWidget* BuildProjectFrame();
    QWidget* BuildLowerFrame();
    void BuildStatusBar();
    void ConnectEdits();
    QPushButton* AddButton(int number, const QString& caption);

    MarkAction mark_;
    std::shared_ptr<MainWindowModel> model_;
    std::array<QLabel*, 6> version_labels_{};  // Label11 .. Label16
    QStackedLayout* version_stack_ = nullptr;
    QComboBox* combo4_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* mark_changes_ = nullptr;  // beside "시트 만들기"
    QComboBox* combo2_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* label8_ = nullptr;
    QTabWidget* sstab1_ = nullptr;
    FolderPanelView* folder_panel_ = nullptr;
    QLineEdit* text8_ = nullptr;
    QLineEdit* text10_ = nullptr;
    QComboBox* combo1_ = nullptr;
    FlexGridView* grid_ = nullptr;
    QLabel* status_panel_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::array<QPushButton*, 16> commands_{};  // Command1 .. Command15 by number
};

}  // namespace orvalis::gui
