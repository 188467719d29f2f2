#include "gui/gui_forms.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>

#include "gui/company_registry_window.h"
#include "gui/launcher_window.h"
#include "gui/main_window.h"
#include "gui/settings_window.h"
#include "sheet/company_registry.h"
#include "sheet/form11.h"

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
}

void GuiForms::Created(const std::shared_ptr<Form6>& window) {
    windows_.push_back(std::make_unique<LauncherWindow>(window, mark_));
}

void GuiForms::Created(const std::shared_ptr<Form4>& window) {
    windows_.push_back(std::make_unique<MainWindow>(window, mark_));
}

void GuiForms::Created(const std::shared_ptr<Form11>& window) {
    windows_.push_back(std::make_unique<SettingsWindow>(window));
    unloadable_views_[window.get()] = windows_.back().get();
}

void GuiForms::Created(const std::shared_ptr<CompanyRegistry>& window) {
    windows_.push_back(std::make_unique<CompanyRegistryWindow>(window));
    unloadable_views_[window.get()] = windows_.back().get();
}

// The view may be inside its own close event, so it is deleted later; it
// keeps the model alive until then.
void GuiForms::Unloaded(forms::Window& window) {
    auto view = unloadable_views_.find(&window);
    if (view == unloadable_views_.end()) return;
    auto owned = std::find_if(windows_.begin(), windows_.end(),
                              [&](const auto& owned) { return owned.get() == view->second; });
    if (owned != windows_.end()) {
        owned->release()->deleteLater();
        windows_.erase(owned);
    }
    unloadable_views_.erase(view);
}

void GuiForms::Message(const forms::MessageText& message) {
    QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool GuiForms::Confirm(const forms::MessageText& question) {
    QMessageBox box(IconOf(question.icon), QString::fromStdString(question.title),
                    QString::fromStdString(question.text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace orvalis::gui
