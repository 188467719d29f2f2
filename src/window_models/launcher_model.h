#pragma once

#include "controls/controls.h"
#include "host/channel.h"
#include "window_models/window.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The launcher: the first window, leading to the main window, the rename
// window and the settings window. Closing it ends the program.
class LauncherModel : public forms::Window {
  public:
    explicit LauncherModel(forms::Forms& forms);

    host::HostChannel pm;                             // PM
    forms::Button main_window_button;                 // Command1, a picture
    forms::Button rename_button{"이름바꾸기", true};  // Command2
    forms::Button settings_button{"등록", true};      // Command3

    void Load();
    // Connects, then brings the main window back to the normal state and to
    // the front, whatever state it is in. A host that does not answer
    // still gets the main window, whose status bar says it is not connected.
    void ClickMainWindow();  // the picture
    void ClickRename();      // "이름바꾸기": the rename window
    // Shows the settings window, loading it first if it is not loaded.
    void ClickSettings();  // "등록"
};

}  // namespace orvalis
