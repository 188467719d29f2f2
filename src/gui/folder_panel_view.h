#pragma once

#include <QWidget>
#include <memory>

#include "window_models/main_window_model.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvalis::gui {

// The main window's folder panel on tab "위치1": drive list, folder list,
// file list, the folder-name box and "폴더 생성".
class FolderPanelView : public QWidget {
    Q_OBJECT
  public:
    FolderPanelView(std::shared_ptr<MainWindowModel> model, QWidget* parent = nullptr);

    void Refresh();

    QComboBox* DriveList() const { return drive_list_; }
    QListWidget* FolderList() const { return folder_list_; }
    QListWidget* FileList() const { return file_list_; }
    QLineEdit* FolderName() const { return folder_name_; }
    QPushButton* CreateFolderButton() const { return create_folder_button_; }
    QLineEdit* Target() const { return target_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowFolders();
    void OpenFolder(const QString& path);

    std::shared_ptr<MainWindowModel> model_;
    QComboBox* drive_list_;
    QListWidget* folder_list_;
    QListWidget* file_list_;
    QLineEdit* folder_name_;
    QPushButton* create_folder_button_;
    QLineEdit* target_;  // the whole path of the folder the files go to
};

}  // namespace orvalis::gui
