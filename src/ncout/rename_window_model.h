#pragma once

#include "forms/controls.h"
#include "forms/window.h"
#include "host/channel.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The rename window: renames every toolpath of the project to one prefix
// followed by a running number, in the order the host lists them.
class RenameWindowModel : public forms::Window {
  public:
    explicit RenameWindowModel(forms::Forms& forms);

    host::HostChannel pm;
    forms::TextBox Text1;  // the prefix
    forms::ListBox List1;  // the names, only while renaming
    forms::Button Command5{"TOOLPATH 이름 바꾸기", true};

    void Load() {}
    void ClickRename();  // Command5 "TOOLPATH 이름 바꾸기"

    // How many toolpaths the last click renamed, and the lines about those
    // the host refused.
    int renamed() const { return renamed_; }
    const std::vector<std::string>& refused() const { return refused_; }

  private:
    int renamed_ = 0;
    std::vector<std::string> refused_;
};

}  // namespace orvalis
