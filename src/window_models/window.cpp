#include "window_models/window.h"

namespace orvalis::forms {

void Window::Show() {
    visible_ = true;
    NotifyChanged();
}

void Window::Hide() {
    visible_ = false;
    NotifyChanged();
}

void Window::BringToFront() {
    visible_ = true;
    window_state_ = kNormal;
    ++front_requests_;
    NotifyChanged();
}

void Window::SetWindowState(int state) {
    window_state_ = state;
    NotifyChanged();
}

void Window::NotifyChanged() {
    if (Changed) Changed();
}

}  // namespace orvalis::forms
