#pragma once

#include <map>

class QPushButton;
class QWidget;

namespace orvalis::forms {
struct Button;
}

namespace orvalis::gui {

// A window's push buttons, each made for one button of its model and found
// by it, so that a window and its tests name a button by its role.
class ButtonViews {
  public:
    // A push button with the model button's caption in the button font.
    QPushButton* Add(const forms::Button& button, QWidget* parent);
    // The push button made for `button`; throws std::out_of_range for one
    // the window does not show.
    QPushButton* Of(const forms::Button& button) const { return views_.at(&button); }

  private:
    std::map<const forms::Button*, QPushButton*> views_;
};

}  // namespace orvalis::gui
