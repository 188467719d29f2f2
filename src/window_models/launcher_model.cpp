#include "window_models/launcher_model.h"

#include "host/host_error.h"
#include "window_models/forms.h"
#include "window_models/main_window_model.h"
#include "window_models/rename_window_model.h"
#include "window_models/settings_window_model.h"

namespace orvalis {

LauncherModel::LauncherModel(forms::Forms& forms) : Window(forms), pm(forms.session()) {}

void LauncherModel::Load() {}

void LauncherModel::ClickMainWindow() {
    try {
        pm.Connect();
    } catch (const host::HostError&) {
        // The main window's own load connects again and reports the failure
        // in its status bar; one report is enough.
    }
    forms().main_window().BringToFront();
}

void LauncherModel::ClickSettings() {
    forms().settings_window().Show();
}

}  // namespace orvalis

namespace orvalis {

void LauncherModel::ClickRename() {
    forms().rename_window().Show();
}

}  // namespace orvalis
