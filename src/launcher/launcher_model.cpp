#include "launcher/launcher_model.h"

#include "forms/forms.h"
#include "forms/window_slot.h"
#include "host/host_error.h"
#include "mainwin/main_window_model.h"
#include "ncout/rename_window_model.h"
#include "sheet/settings_window_model.h"

namespace orvalis {

LauncherModel::LauncherModel(forms::Forms& forms) : Window(forms), PM(forms.session()) {}

void LauncherModel::Load() {}

void LauncherModel::ClickMainWindow() {
    try {
        PM.Connect();
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

// The registry's slot for the launcher.
LauncherModel& forms::Forms::launcher() {
    return Get(launcher_);
}

}  // namespace orvalis
