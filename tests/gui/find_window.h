#pragma once

#include <QApplication>
#include <QWidget>

namespace orvalis::gui {

// The last top-level window of this kind, or null; by default only a shown one.
template <typename View>
View* FindWindow(bool visible_only = true) {
    View* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* candidate = qobject_cast<View*>(widget);
        if (candidate && (candidate->isVisible() || !visible_only)) found = candidate;
    }
    return found;
}

}  // namespace orvalis::gui
