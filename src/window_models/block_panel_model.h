#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "capture/block_boxes.h"
#include "controls/controls.h"
#include "host/channel.h"
#include "window_models/window.h"

namespace orvalis {

namespace forms {
class Forms;
}

// The block limits panel: shows the six limits of the host's block, lets the
// user recompute or edit them, and starts the view capture with "캡처".
// Left column the minima, right column the maxima, one row per axis.
class BlockPanelModel : public forms::Window {
  public:
    explicit BlockPanelModel(forms::Forms& forms);

    host::HostChannel pm;
    // The six limit boxes; the limit number is the host's for that limit.
    forms::TextBox x_minimum{"Text3"};                  // Text3, limit 1
    forms::TextBox x_maximum{"Text6"};                  // Text6, limit 2
    forms::TextBox y_minimum{"Text2"};                  // Text2, limit 3
    forms::TextBox y_maximum{"Text5"};                  // Text5, limit 4
    forms::TextBox z_minimum{"Text1"};                  // Text1, limit 5
    forms::TextBox z_maximum{"Text4"};                  // Text4, limit 6
    forms::Button block_button{"블럭", true};           // Command1
    forms::Button capture_button{"캡처", true, false};  // Command3, enabled once a block is read
    forms::ListBox label_characters;  // List2: the characters of the label being built

    // The box of limit 1 to 6.
    forms::TextBox& LimitBox(int limit);

    void Load();
    void ClickBlock();    // "블럭": recompute the block and reload the boxes
    void ClickCapture();  // "캡처": label the limits and keep the four bitmaps
    // Each box sends its number as its limit on every change; a text that is
    // no number is refused and the box keeps what it held.
    void LimitChanged(int index);
    // Closing the panel brings the main window back.
    void Unload();

    capture::BlockBoxes Boxes() const;

    // Told whether the capture run kept its four bitmaps, just before the
    // panel closes itself (the CLI sets its exit status from it).
    std::function<void(bool succeeded)> CaptureDone;

  private:
    void ReloadBlock(bool reset_limit);
    void ReportHostFailure(const std::string& what, const std::string& reason);
    // "X 최소 60이(가) X 최대 50보다 큽니다." for the first axis whose minimum
    // box holds more than its maximum box; nothing when none does.
    std::optional<std::string> InvertedAxis();
    // Empties the six boxes without sending anything: there is no block to show.
    void ClearBoxes();

    std::array<std::string, 6> accepted_;  // each box's last text that was a number
    bool quiet_ = false;                   // boxes being set back or emptied send nothing

    bool host_failure_shown_ = false;  // one message, not one per keystroke
};

}  // namespace orvalis
