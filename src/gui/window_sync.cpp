#include "gui/window_sync.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "window_models/window.h"

namespace orvalis::gui {

void ApplyWindowModel(QWidget& widget, const forms::Window& model) {
    bool topmost = widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (topmost != model.Topmost()) widget.setWindowFlag(Qt::WindowStaysOnTopHint, model.Topmost());
    if (!model.Visible()) {
        widget.hide();
        return;
    }
    const char* const kFrontRequests = "orvalisFrontRequests";
    if (widget.property(kFrontRequests).toInt() != model.front_requests()) {
        widget.setProperty(kFrontRequests, model.front_requests());
        widget.showNormal();
        widget.raise();
        widget.activateWindow();
        return;
    }
    if (model.WindowState() == forms::Window::kMinimized) {
        if (!widget.isMinimized()) widget.showMinimized();
    } else if (widget.isHidden() || widget.isMinimized()) {
        widget.showNormal();
        widget.raise();
    }
}

void PlaceOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect room = screen->availableGeometry();
    // The title bar and borders the desktop adds around the window.
    const QSize frame(16, 40);
    QSize fitting = window.size().boundedTo(room.size() - frame);
    fitting = fitting.expandedTo(window.minimumSize());
    window.resize(fitting);
    int left = room.left() + std::max(0, (room.width() - fitting.width() - frame.width()) / 2);
    int top = room.top() + std::max(0, (room.height() - fitting.height() - frame.height()) / 2);
    window.move(left, top);
}

void PlaceOver(QWidget& window, const QWidget* anchor) {
    if (!anchor || !anchor->isVisible() || anchor->isMinimized()) {
        PlaceOnScreen(window);
        return;
    }
    window.adjustSize();
    QRect over = anchor->frameGeometry();
    window.move(over.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace orvalis::gui
