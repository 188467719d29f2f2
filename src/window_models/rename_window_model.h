#pragma once

#include <string>
#include <utility>
#include <vector>

#include "controls/controls.h"
#include "host/channel.h"
#include "window_models/window.h"

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
    forms::TextBox rename_prefix;  // Text1: the prefix of the new names
    forms::ListBox renaming_list;  // List1: the names, only while renaming
    forms::Button rename_button{"TOOLPATH 이름 바꾸기", true};  // Command5

    // The one window that stays on top: a small window used beside the host
    // and the main window, which would otherwise cover it. The others stay
    // in their place, so the main window does not hide the host itself.
    void Load() { MakeTopmost(); }
    // "TOOLPATH 이름 바꾸기": refuses a prefix of blanks or one that
    // cannot stand in the host's quotes, leaves out the toolpaths whose names
    // cannot, shows the first old → new names and asks, renames, and has the
    // main window list the project's toolpaths again.
    void ClickRename();

    // How many toolpaths the last click renamed, and the lines about those
    // the host refused or whose names cannot be sent to it.
    int renamed() const { return renamed_; }
    const std::vector<std::string>& refused() const { return refused_; }

  private:
    bool AgreeToRename(const std::string& prefix);
    // Renames the listed toolpaths to the prefix and 1, 2, 3 …, keeping the
    // pairs renamed; returns how many a cancel left.
    int RenameListed(const std::string& prefix,
                     std::vector<std::pair<std::string, std::string>>& renamed);

    int renamed_ = 0;
    std::vector<std::string> refused_;
};

}  // namespace orvalis
