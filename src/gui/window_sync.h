#pragma once

class QWidget;

namespace orvalis::forms {
class Window;
}

namespace orvalis::gui {

// Shows a window model's visibility, window state (1 minimised, 0 normal) and
// topmost flag on the Qt window that views it.
void ApplyWindowModel(QWidget& widget, const forms::Window& model);

}  // namespace orvalis::gui
