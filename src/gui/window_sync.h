#pragma once

class QWidget;

namespace orvalis::forms {
class Window;
}

namespace orvalis::gui {

// Shows a window model's visibility, window state (1 minimised, 0 normal) and
// topmost flag on the Qt window that views it.
void ApplyWindowModel(QWidget& widget, const forms::Window& model);

// Fits a new window into the screen it opens on (a 1280 × 720 screen
// included) and centres it there, so no part of it starts off the screen.
void PlaceOnScreen(QWidget& window);

// Centres a dialog over `anchor` when that is shown (the main window), so it
// opens where the user works, not in a corner of the screen; otherwise on
// the screen.
void PlaceOver(QWidget& window, const QWidget* anchor);

}  // namespace orvalis::gui
