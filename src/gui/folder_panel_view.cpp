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
      drive1_(new QComboBox(this)),
      dir1_(new QListWidget(this)),
      file1_(new QListWidget(this)),
      text7_(new QLineEdit(this)),
      command4_(new QPushButton(QStringLiteral("폴더 생성"), this)),
      target_(new QLineEdit(this)) {
    for (QWidget* list : {static_cast<QWidget*>(drive1_), static_cast<QWidget*>(dir1_),
                          static_cast<QWidget*>(file1_), static_cast<QWidget*>(text7_)}) {
        list->setFont(ListFont());
    }
    command4_->setFont(ButtonFont());
    dir1_->setIconSize(QSize(16, 16));
    for (const auto& drive : AvailableDrives()) drive1_->addItem(FromStd(drive));

    auto* layout = new QGridLayout(this);
    layout->addWidget(drive1_, 0, 0);
    layout->addWidget(dir1_, 1, 0);
    layout->addWidget(file1_, 1, 1);
    layout->addWidget(text7_, 2, 0);
    layout->addWidget(command4_, 2, 1);
    // Where the sheet, pictures and NC files go, beside the drive, whatever
    // the lists show: the whole path, its end in view when it is long, and
    // whole in the tooltip. The panel keeps its height.
    target_->setReadOnly(true);
    target_->setFont(ListFont());
    target_->setPlaceholderText(QStringLiteral("파일을 쓸 폴더"));
    layout->addWidget(target_, 0, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(drive1_, &QComboBox::textActivated, this, [this](const QString& drive) {
        model_->Drive1.Drive = drive.toStdString();
        model_->DriveChanged();
    });
    // One click picks the folder the files go to; highlighting a folder that
    // is not the target would send them to its parent unseen.
    connect(dir1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OpenFolder(item->data(kPathRole).toString()); });
    connect(dir1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenFolder(item->data(kPathRole).toString()); });
    connect(command4_, &QPushButton::clicked, this, [this] { model_->ClickCreateFolder(); });
    connect(text7_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->Text7.SetText(text.toStdString()); });
    connect(text7_, &QLineEdit::returnPressed, this, [this] { model_->FolderNameKeyPress(13); });
    text7_->installEventFilter(this);
    dir1_->installEventFilter(this);
    Refresh();
}

// A click into the folder-name box selects its whole text; a key in the
// folder list lists the folders again.
bool FolderPanelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text7_ && event->type() == QEvent::MouseButtonRelease) {
        QTimer::singleShot(0, text7_, [this] {
            text7_->setFocus();
            text7_->selectAll();
        });
    } else if (watched == dir1_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ShowFolders();
    }
    return QWidget::eventFilter(watched, event);
}

void FolderPanelView::OpenFolder(const QString& path) {
    if (path.toStdString() == model_->Dir1.Path) return;  // a second click of a double-click
    model_->OpenFolder(path.toStdString());
}

void FolderPanelView::ShowFolders() {
    dir1_->clear();
    auto chain = Ancestors(model_->Dir1.Path);
    int depth = 0;
    for (const auto& [name, path] : chain) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                         QString(depth * 2, ' ') + FromStd(name));
        item->setData(kPathRole, FromStd(path));
        dir1_->addItem(item);
        ++depth;
    }
    dir1_->setCurrentRow(dir1_->count() - 1);
    for (const auto& folder : model_->Dir1.Subfolders()) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon),
                                         QString(depth * 2, ' ') + FromStd(folder));
        item->setData(kPathRole, FromStd(JoinFolder(model_->Dir1.Path, folder)));
        dir1_->addItem(item);
    }
}

void FolderPanelView::Refresh() {
    int drive = drive1_->findText(FromStd(model_->Drive1.Drive));
    if (drive >= 0) drive1_->setCurrentIndex(drive);
    ShowFolders();
    file1_->clear();
    for (const auto& file : model_->File1.Items) file1_->addItem(FromStd(file));
    if (text7_->text() != FromStd(model_->Text7.Text()))
        text7_->setText(FromStd(model_->Text7.Text()));
    command4_->setVisible(model_->Command4.Visible);
    QString target = FromStd(model_->Dir1.Path);
    target_->setText(target);
    target_->setToolTip(QStringLiteral("파일을 쓸 폴더: ") + target);
    target_->setCursorPosition(static_cast<int>(target.size()));
}

}  // namespace orvalis::gui
