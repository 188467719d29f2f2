#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/mark_action.h"
#include "window_models/forms.h"
#include "window_models/interaction.h"

namespace orvalis::gui {

class BusyWork;

// Builds the Qt window for each window model the registry creates, owns those
// windows, and shows the models' messages and questions as dialogs.
class GuiForms : public forms::FormsObserver, public forms::Interaction {
  public:
    GuiForms();
    ~GuiForms() override;

    // Starts building windows for the models `forms` creates.
    void Attach(forms::Forms& forms);

    void Created(const std::shared_ptr<LauncherModel>& window) override;
    void Created(const std::shared_ptr<MainWindowModel>& window) override;
    void Created(const std::shared_ptr<BlockPanelModel>& window) override;
    void Created(const std::shared_ptr<RenameWindowModel>& window) override;
    void Created(const std::shared_ptr<SettingsWindowModel>& window) override;
    void Created(const std::shared_ptr<CompanyRegistryModel>& window) override;
    void Created(const std::shared_ptr<ToolAssemblyWindowModel>& window) override;
    void Unloaded(forms::Window& window) override;

    void Message(const forms::MessageText& message) override;
    bool Confirm(const forms::MessageText& question) override;
    void OpenDocument(const std::string& path) override;

  private:
    forms::Forms* forms_ = nullptr;
    std::unique_ptr<BusyWork> busy_;  // the host work of every window
    MarkAction mark_;
    void Own(const forms::Window& model, std::unique_ptr<QWidget> window);
    // The main window's view, if it exists: dialogs open over it.
    QWidget* MainWindowView() const;

    // Each Qt window with the model it shows.
    std::vector<std::pair<const forms::Window*, std::unique_ptr<QWidget>>> windows_;
};

}  // namespace orvalis::gui
