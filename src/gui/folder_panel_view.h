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

    QComboBox* Drive1() const { return drive1_; }
    QListWidget* Dir1() const { return dir1_; }
    QListWidget* File1() const { return file1_; }
    QLineEdit* Text7() const { return text7_; }
    QPushButton* Command4() const { return command4_; }
    QLineEdit* Target() const { return target_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowFolders();
    void OpenFolder(const QString& path);

    std::shared_ptr<MainWindowModel> model_;
    QComboBox* drive1_;
    QListWidget* dir1_;
    QListWidget* file1_;
    QLineEdit* text7_;
    QPushButton* command4_;
    QLineEdit* target_;  // the whole path of the folder the files go to
};

}  // namespace orvalis::gui
