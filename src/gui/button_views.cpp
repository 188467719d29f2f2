#include "gui/button_views.h"

#include <QPushButton>

#include "controls/controls.h"
#include "gui/control_views.h"
#include "gui/fonts.h"

namespace orvalis::gui {

QPushButton* ButtonViews::Add(const forms::Button& button, QWidget* parent) {
    auto* view = new QPushButton(FromStd(button.Caption), parent);
    view->setFont(ButtonFont());
    views_[&button] = view;
    return view;
}

}  // namespace orvalis::gui
