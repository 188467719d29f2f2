#include "gui/gui_forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
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
#include "gui/window_sync.h"
#include "window_models/block_panel_model.h"
#include "window_models/company_registry_model.h"
#include "window_models/launcher_model.h"
#include "window_models/main_window_model.h"
#include "window_models/rename_window_model.h"
#include "window_models/settings_window_model.h"
#include "window_models/tool_assembly_window_model.h"

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

// The standard buttons in Korean whether or not Qt's own translation loaded.
void KoreanButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "확인"},
        {QMessageBox::Yes, "예"},
        {QMessageBox::No, "아니요"},
        {QMessageBox::Cancel, "취소"},
    };
    for (auto [button, text] : texts) {
        if (QAbstractButton* shown = box.button(button)) shown->setText(QString::fromUtf8(text));
    }
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
        QLabel* status = view->StatusPanel();
        busy_->ShowProgressWhileMinimised(view.get(), [status] { return status->text(); });
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
    auto view = std::make_unique<SettingsWindow>(window);
    PlaceOver(*view, MainWindowView());
    Own(*window, std::move(view));
}

void GuiForms::Created(const std::shared_ptr<CompanyRegistryModel>& window) {
    auto view = std::make_unique<CompanyRegistryWindow>(window);
    PlaceOver(*view, MainWindowView());
    Own(*window, std::move(view));
}

QWidget* GuiForms::MainWindowView() const {
    for (const auto& [model, view] : windows_) {
        if (qobject_cast<MainWindow*>(view.get())) return view.get();
    }
    return nullptr;
}

void GuiForms::Created(const std::shared_ptr<ToolAssemblyWindowModel>& window) {
    Own(*window, std::make_unique<ToolAssemblyWindow>(window));
}

void GuiForms::Message(const forms::MessageText& message) {
    QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok,
                    QApplication::activeWindow());
    KoreanButtons(box);
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
    KoreanButtons(box);
    box.setDefaultButton(question.default_no ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace orvalis::gui
