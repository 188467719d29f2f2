#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/session.h"
#include "window_models/interaction.h"

namespace orvalis {
class BlockPanelModel;
class RenameWindowModel;
class CompanyRegistryModel;
class MainWindowModel;
class ToolAssemblyWindowModel;
class LauncherModel;
class SettingsWindowModel;
}  // namespace orvalis

namespace orvalis::forms {

class Window;

// Told when the registry creates or unloads a window model, so the desktop
// program can build or drop the window that shows it.
class FormsObserver {
  public:
    virtual ~FormsObserver() = default;
    // The view may keep the model alive with the pointer it is given.
    virtual void Created(const std::shared_ptr<LauncherModel>& /*window*/) {}
    virtual void Created(const std::shared_ptr<MainWindowModel>& /*window*/) {}
    virtual void Created(const std::shared_ptr<BlockPanelModel>& /*window*/) {}
    virtual void Created(const std::shared_ptr<RenameWindowModel>& /*window*/) {}
    virtual void Created(const std::shared_ptr<SettingsWindowModel>& /*window*/) {}
    virtual void Created(const std::shared_ptr<CompanyRegistryModel>& /*window*/) {}
    virtual void Created(const std::shared_ptr<ToolAssemblyWindowModel>& /*window*/) {}
    // The registry has dropped the window; its view should go too.
    virtual void Unloaded(Window& /*window*/) {}
};

// Owns the window models. Each window exists once: it is created on first
// use, its view (if any) is attached, then its load runs. A window referred to
// before it is shown is therefore created hidden, with its load run.
class Forms {
  public:
    Forms(std::shared_ptr<host::HostSession> session, Interaction& interaction);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    void SetObserver(FormsObserver* observer) { observer_ = observer; }

    LauncherModel& launcher();
    MainWindowModel& main_window();
    bool HasMainWindow() const { return static_cast<bool>(main_window_); }
    RenameWindowModel& rename_window();
    BlockPanelModel& block_panel();
    bool HasBlockPanel() const { return static_cast<bool>(block_panel_); }

    // Closing the block limits panel unloads it: the registry drops the model
    // and tells the observer; the next use creates and loads it afresh.
    // Unloading must be the last thing a window's handler does.
    void UnloadBlockPanel();
    SettingsWindowModel& settings_window();
    bool HasSettingsWindow() const { return static_cast<bool>(settings_window_); }
    CompanyRegistryModel& company_registry();
    bool HasCompanyRegistry() const { return static_cast<bool>(company_registry_); }

    // Closing these windows unloads them: the registry drops the model and
    // tells the observer, and the next use creates and loads it afresh. A
    // model whose view still holds it lives until the view lets go.
    void UnloadSettingsWindow();
    void UnloadCompanyRegistry();

    // The tool settings window; the collision check creates it hidden when
    // it reads the table. Closing it unloads it.
    ToolAssemblyWindowModel& tool_assembly_window();
    bool HasToolAssemblyWindow() const { return static_cast<bool>(tool_assembly_window_); }
    void UnloadToolAssemblyWindow();

    // What the other windows ask of the main window.
    // Brings it back to the normal state when it exists.
    void RestoreMainWindow();
    // The project's toolpaths were renamed (old name, new name): the main
    // window, if it exists, renames its survey list's entries alike, lists the
    // project again and says `done` in its status bar.
    void ToolpathsRenamed(const std::string& done,
                          const std::vector<std::pair<std::string, std::string>>& renamed);
    // A company was registered: the main window, if it exists, reads the
    // company list again.
    void CompaniesChanged();
    // Says in the main window's status bar, if it exists, what another
    // window did for it.
    void TellMainWindow(const std::string& done);
    // The material the main window's selector shows (its material box's index),
    // creating the main window when it does not exist yet.
    int MainWindowMaterial();

    const std::shared_ptr<host::HostSession>& session() const { return session_; }
    Interaction& interaction() { return interaction_; }

  private:
    template <typename Form>
    Form& Get(std::shared_ptr<Form>& slot);
    template <typename Form>
    void Drop(std::shared_ptr<Form>& slot);

    std::shared_ptr<host::HostSession> session_;
    Interaction& interaction_;
    FormsObserver* observer_ = nullptr;
    std::shared_ptr<LauncherModel> launcher_;
    std::shared_ptr<MainWindowModel> main_window_;
    std::shared_ptr<BlockPanelModel> block_panel_;
    std::shared_ptr<RenameWindowModel> rename_window_;
    std::vector<std::shared_ptr<Window>> retired_;  // unloaded, kept until safe to destroy
    std::shared_ptr<SettingsWindowModel> settings_window_;
    std::shared_ptr<CompanyRegistryModel> company_registry_;
    std::shared_ptr<ToolAssemblyWindowModel> tool_assembly_window_;
};

}  // namespace orvalis::forms
