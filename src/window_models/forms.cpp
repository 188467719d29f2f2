#include "window_models/forms.h"

#include "window_models/block_panel_model.h"
#include "window_models/company_registry_model.h"
#include "window_models/launcher_model.h"
#include "window_models/main_window_model.h"
#include "window_models/rename_window_model.h"
#include "window_models/settings_window_model.h"
#include "window_models/tool_assembly_window_model.h"

namespace orvalis::forms {

Forms::Forms(std::shared_ptr<host::HostSession> session, Interaction& interaction)
    : session_(std::move(session)), interaction_(interaction) {}

Forms::~Forms() = default;

// A window is created on first use, shown to the observer, then loaded.
template <typename Form>
Form& Forms::Get(std::shared_ptr<Form>& slot) {
    if (!slot) {
        retired_.clear();
        slot = std::make_shared<Form>(*this);
        if (observer_) observer_->Created(slot);
        slot->Load();
    }
    return *slot;
}

// The registry forgets the model; it is destroyed when the next window is
// created (or with the registry), never inside the handler that unloaded it.
template <typename Form>
void Forms::Drop(std::shared_ptr<Form>& slot) {
    if (!slot) return;
    std::shared_ptr<Form> unloaded = std::move(slot);
    if (observer_) observer_->Unloaded(*unloaded);
    retired_.push_back(std::move(unloaded));
}

LauncherModel& Forms::launcher() {
    return Get(launcher_);
}

MainWindowModel& Forms::main_window() {
    return Get(main_window_);
}

void Forms::RestoreMainWindow() {
    if (main_window_) main_window_->SetWindowState(Window::kNormal);
}

void Forms::ToolpathsRenamed(const std::string& done,
                             const std::vector<std::pair<std::string, std::string>>& renamed) {
    if (main_window_) main_window_->ShowRenamedToolpaths(done, renamed);
}

void Forms::TellMainWindow(const std::string& done) {
    if (main_window_) main_window_->ShowDone(done);
}

void Forms::CompaniesChanged() {
    if (main_window_) main_window_->ReloadCompanies();
}

int Forms::MainWindowMaterial() {
    return main_window().material.ListIndex();
}

BlockPanelModel& Forms::block_panel() {
    return Get(block_panel_);
}

void Forms::UnloadBlockPanel() {
    Drop(block_panel_);
}

RenameWindowModel& Forms::rename_window() {
    return Get(rename_window_);
}

SettingsWindowModel& Forms::settings_window() {
    return Get(settings_window_);
}

void Forms::UnloadSettingsWindow() {
    Drop(settings_window_);
}

CompanyRegistryModel& Forms::company_registry() {
    return Get(company_registry_);
}

void Forms::UnloadCompanyRegistry() {
    Drop(company_registry_);
}

ToolAssemblyWindowModel& Forms::tool_assembly_window() {
    return Get(tool_assembly_window_);
}

void Forms::UnloadToolAssemblyWindow() {
    Drop(tool_assembly_window_);
}

}  // namespace orvalis::forms
