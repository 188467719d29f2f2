#include "gui/folder_panel_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "gui/control_views.h"
#include "gui/fonts.h"
#include "window_models/folder_panel.h"
#include "window_models/main_window_model.h"

namespace orvalis::gui {

namespace {

constexpr int kPathRole = Qt::UserRole;

// The folders from the root down to `path`: "C:\JOBS\PART" gives "C:\",
// "C:\JOBS", "C:\JOBS\PART".
std::vector<std::pair<std::string, std::string>> Ancestors(const std::string& path) {
    std::vector<std::pair<std::string, std::string>> chain;  // (name, path)
    char separator = path.find('\\') != std::string::npos ? '\\' : '/';
    std::size_t root_end = path.find(separator);
    if (root_end == std::string::npos) return {{path, path}};
    chain.emplace_back(path.substr(0, root_end + 1), path.substr(0, root_end + 1));
    std::size_t start = root_end + 1;
    while (start < path.size()) {
        std::size_t end = path.find(separator, start);
        if (end == std::string::npos) end = path.size();
        if (end > start) chain.emplace_back(path.substr(start, end - start), path.substr(0, end));
        start = end + 1;
    }
    return chain;
}

}  // namespace

FolderPanelView::FolderPanelView(std::shared_ptr<MainWindowModel> model, QWidget* parent)
    : QWidget(parent),
      model_(std::move(model)),
      drive_list_(new QComboBox(this)),
      folder_list_(new QListWidget(this)),
      file_list_(new QListWidget(this)),
      folder_name_(new QLineEdit(this)),
      create_folder_button_(new QPushButton(QStringLiteral("폴더 생성"), this)),
      target_(new QLineEdit(this)) {
    for (QWidget* list : {static_cast<QWidget*>(drive_list_), static_cast<QWidget*>(folder_list_),
                          static_cast<QWidget*>(file_list_), static_cast<QWidget*>(folder_name_)}) {
        list->setFont(ListFont());
    }
    create_folder_button_->setFont(ButtonFont());
    folder_list_->setIconSize(QSize(16, 16));
    for (const auto& drive : AvailableDrives()) drive_list_->addItem(FromStd(drive));

    auto* layout = new QGridLayout(this);
    layout->addWidget(drive_list_, 0, 0);
    layout->addWidget(folder_list_, 1, 0);
    layout->addWidget(file_list_, 1, 1);
    layout->addWidget(folder_name_, 2, 0);
    layout->addWidget(create_folder_button_, 2, 1);
    // Where the sheet, pictures and NC files go, beside the drive, whatever
    // the lists show: the whole path, its end in view when it is long, and
    // whole in the tooltip. The panel keeps its height.
    target_->setReadOnly(true);
    target_->setFont(ListFont());
    target_->setPlaceholderText(QStringLiteral("파일을 쓸 폴더"));
    layout->addWidget(target_, 0, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(drive_list_, &QComboBox::textActivated, this, [this](const QString& drive) {
        model_->drive_list.Drive = drive.toStdString();
        model_->DriveChanged();
    });
    // One click picks the folder the files go to; highlighting a folder that
    // is not the target would send them to its parent unseen.
    connect(folder_list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OpenFolder(item->data(kPathRole).toString()); });
    connect(folder_list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenFolder(item->data(kPathRole).toString()); });
    connect(create_folder_button_, &QPushButton::clicked, this,
            [this] { model_->ClickCreateFolder(); });
    connect(folder_name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->folder_name.SetText(text.toStdString()); });
    connect(folder_name_, &QLineEdit::returnPressed, this,
            [this] { model_->FolderNameKeyPress(13); });
    folder_name_->installEventFilter(this);
    folder_list_->installEventFilter(this);
    Refresh();
}

// A click into the folder-name box selects its whole text; a key in the
// folder list lists the folders again.
bool FolderPanelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == folder_name_ && event->type() == QEvent::MouseButtonRelease) {
        QTimer::singleShot(0, folder_name_, [this] {
            folder_name_->setFocus();
            folder_name_->selectAll();
        });
    } else if (watched == folder_list_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ShowFolders();
    }
    return QWidget::eventFilter(watched, event);
}

void FolderPanelView::OpenFolder(const QString& path) {
    if (path.toStdString() == model_->folder_list.Path) return;  // a second click of a double-click
    model_->OpenFolder(path.toStdString());
}

void FolderPanelView::ShowFolders() {
    folder_list_->clear();
    auto chain = Ancestors(model_->folder_list.Path);
    int depth = 0;
    for (const auto& [name, path] : chain) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                         QString(depth * 2, ' ') + FromStd(name));
        item->setData(kPathRole, FromStd(path));
        folder_list_->addItem(item);
        ++depth;
    }
    folder_list_->setCurrentRow(folder_list_->count() - 1);
    for (const auto& folder : model_->folder_list.Subfolders()) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon),
                                         QString(depth * 2, ' ') + FromStd(folder));
        item->setData(kPathRole, FromStd(JoinFolder(model_->folder_list.Path, folder)));
        folder_list_->addItem(item);
    }
}

void FolderPanelView::Refresh() {
    int drive = drive_list_->findText(FromStd(model_->drive_list.Drive));
    if (drive >= 0) drive_list_->setCurrentIndex(drive);
    ShowFolders();
    file_list_->clear();
    for (const auto& file : model_->file_list.Items) file_list_->addItem(FromStd(file));
    if (folder_name_->text() != FromStd(model_->folder_name.Text()))
        folder_name_->setText(FromStd(model_->folder_name.Text()));
    create_folder_button_->setVisible(model_->create_folder_button.Visible);
    QString target = FromStd(model_->folder_list.Path);
    target_->setText(target);
    target_->setToolTip(QStringLiteral("파일을 쓸 폴더: ") + target);
    target_->setCursorPosition(static_cast<int>(target.size()));
}

}  // namespace orvalis::gui
