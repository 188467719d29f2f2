#include "gui/gui_forms.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "gui/block_panel_window.h"
#include "gui/busy_work.h"
#include "gui/company_registry_window.h"
#include "gui/launcher_window.h"
#include "gui/main_window.h"
#include "gui/rename_window.h"
#include "gui/settings_window.h"
#include "gui/tool_assembly_window.h"
#include "launcher/launcher_model.h"
#include "mainwin/main_window_model.h"
#include "ncout/rename_window_model.h"
#include "sheet/company_registry_model.h"
#include "sheet/settings_window_model.h"
#include "tools/tool_assembly_window_model.h"
#include "views/block_panel_model.h"

namespace orvalis::gui {

namespace {

QMessageBox::Icon IconOf(forms::MessageIcon icon) {
    switch (icon) {
        case forms::MessageIcon::kCritical:
            return QMessageBox::Critical;
        case forms::MessageIcon::kExclamation:
            return QMessageBox::Warning;
        case forms::MessageIcon::kQuestion:
            return QMessageBox::Question;
        case forms::MessageIcon::kInformation:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

GuiForms::GuiForms()
    : mark_([this](const std::string& action) {
          if (forms_) forms_->session()->Mark(action);
      }) {}

GuiForms::~GuiForms() = default;

void GuiForms::Attach(forms::Forms& forms) {
    forms_ = &forms;
    forms.SetObserver(this);
    busy_ = std::make_unique<BusyWork>(*forms.session());
}

void GuiForms::Own(const forms::Window& model, std::unique_ptr<QWidget> window) {
    windows_.emplace_back(&model, std::move(window));
}

void GuiForms::Created(const std::shared_ptr<LauncherModel>& window) {
    Own(*window, std::make_unique<LauncherWindow>(window, mark_));
}

void GuiForms::Created(const std::shared_ptr<MainWindowModel>& window) {
    auto view = std::make_unique<MainWindow>(window, mark_);
    if (busy_) {
        busy_->AddCancelButton(view->CancelButton());
        busy_->AddBlockedWidget(view->centralWidget());
    }
    Own(*window, std::move(view));
}

void GuiForms::Created(const std::shared_ptr<BlockPanelModel>& window) {
    Own(*window, std::make_unique<BlockPanelWindow>(window, mark_));
}

void GuiForms::Created(const std::shared_ptr<RenameWindowModel>& window) {
    Own(*window, std::make_unique<RenameWindow>(window, mark_));
}

// The window may be inside one of its own handlers: Qt deletes it once that returns.
void GuiForms::Unloaded(forms::Window& window) {
    for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->first != &window) continue;
        QWidget* widget = it->second.release();
        windows_.erase(it);
        widget->hide();
        widget->deleteLater();
        return;
    }
}

void GuiForms::Created(const std::shared_ptr<SettingsWindowModel>& window) {
    Own(*window, std::make_unique<SettingsWindow>(window));
}

void GuiForms::Created(const std::shared_ptr<CompanyRegistryModel>& window) {
    Own(*window, std::make_unique<CompanyRegistryWindow>(window));
}

void GuiForms::Created(const std::shared_ptr<ToolAssemblyWindowModel>& window) {
    Own(*window, std::make_unique<ToolAssemblyWindow>(window));
}

void GuiForms::Message(const forms::MessageText& message) {
    QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

// The saved workbook opens in the desktop's program for it (the shop's
// spreadsheet application); a desktop without one says so.
void GuiForms::OpenDocument(const std::string& path) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) {
        Message({"저장한 파일을 열 프로그램이 없습니다:\n" + path, "ORVALIS",
                 forms::MessageIcon::kExclamation});
    }
}

bool GuiForms::Confirm(const forms::MessageText& question) {
    QMessageBox box(IconOf(question.icon), QString::fromStdString(question.title),
                    QString::fromStdString(question.text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace orvalis::gui
