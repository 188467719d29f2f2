#pragma once

#include "forms/controls.h"
#include "forms/window.h"
#include "host/channel.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The launcher: the first window, leading to the main window, the rename
// window and the settings window. Closing it ends the program.
class Form6 : public forms::Window {
  public:
    explicit Form6(forms::Forms& forms);

    host::HostChannel PM;
    forms::Button Command1;                      // a picture: the main window
    forms::Button Command2{"이름바꾸기", true};  // the rename window
    forms::Button Command3{"등록", true};        // the settings window

    void Form_Load();
    // Connects, then shows the main window. A host that does not answer
    // still gets the main window, whose status bar says it is not connected.
    void Command1_Click();
    void Command2_Click();  // the rename window
    // Shows the settings window, loading it first if it is not loaded.
    void Command3_Click();
};

}  // namespace orvalis
