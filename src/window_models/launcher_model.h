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

    host::HostChannel PM;
    forms::Button Command1;                      // a picture: the main window
    forms::Button Command2{"이름바꾸기", true};  // the rename window
    forms::Button Command3{"등록", true};        // the settings window

    void Load();
    // Connects, then brings the main window back to the normal state and to
    // the front, whatever state it is in. A host that does not answer
    // still gets the main window, whose status bar says it is not connected.
    void ClickMainWindow();  // Command1, the picture
    void ClickRename();      // Command2 "이름바꾸기": the rename window
    // Shows the settings window, loading it first if it is not loaded.
    void ClickSettings();  // Command3 "등록"
};

}  // namespace orvalis
