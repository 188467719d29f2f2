#include "gui/window_sync.h"

#include <QWidget>

#include "forms/window.h"

namespace orvalis::gui {

void ApplyWindowModel(QWidget& widget, const forms::Window& model) {
    bool topmost = widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (topmost != model.Topmost()) widget.setWindowFlag(Qt::WindowStaysOnTopHint, model.Topmost());
    if (!model.Visible()) {
        widget.hide();
        return;
    }
    if (model.WindowState() == forms::Window::kMinimized) {
        if (!widget.isMinimized()) widget.showMinimized();
    } else if (widget.isHidden() || widget.isMinimized()) {
        widget.showNormal();
        widget.raise();
    }
}

}  // namespace orvalis::gui
