#pragma once

#include <QMainWindow>
#include <QString>
#include <QTime>
#include <array>
#include <memory>

#include "gui/button_views.h"
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
    QListWidget* ProjectList() const { return project_list_; }
    QListWidget* SurveyList() const { return survey_list_; }
    QPushButton* Button(const forms::Button& button) const { return buttons_.Of(button); }
    QLineEdit* NcPrefix() const { return nc_prefix_; }
    QLineEdit* NcStart() const { return nc_start_; }
    QComboBox* CompanyName() const { return company_name_; }
    FlexGridView* Grid() const { return grid_; }
    QLabel* StatusPanel() const { return status_panel_; }
    // The version labels in the frame's order, from 4,5 to 9,0.
    QLabel* VersionLabel(std::size_t index) const { return version_labels_.at(index); }
    FolderPanelView* FolderPanel() const { return folder_panel_; }
    QCheckBox* CollisionCheck() const { return collision_check_; }
    QCheckBox* GougeCheck() const { return gouge_check_; }
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

    MarkAction mark_;
    std::shared_ptr<MainWindowModel> model_;
    std::array<QLabel*, 6> version_labels_{};  // Label11 .. Label16
    QStackedLayout* version_stack_ = nullptr;
    QComboBox* material_ = nullptr;
    QCheckBox* collision_check_ = nullptr;
    QCheckBox* gouge_check_ = nullptr;
    QCheckBox* mark_changes_ = nullptr;  // beside "시트 만들기"
    QComboBox* company_name_ = nullptr;
    QComboBox* work_offset_ = nullptr;
    QLineEdit* item_name_ = nullptr;
    QLineEdit* part_name_ = nullptr;
    QLineEdit* nc_extension_ = nullptr;
    QListWidget* project_list_ = nullptr;
    QListWidget* survey_list_ = nullptr;
    QLabel* project_name_ = nullptr;
    QLabel* project_folder_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    FolderPanelView* folder_panel_ = nullptr;
    QLineEdit* nc_prefix_ = nullptr;
    QLineEdit* nc_start_ = nullptr;
    QComboBox* post_option_ = nullptr;
    FlexGridView* grid_ = nullptr;
    QLabel* status_panel_ = nullptr;
    QPushButton* cancel_ = nullptr;
    ButtonViews buttons_;
};

}  // namespace orvalis::gui
