#pragma once

#include <functional>
#include <string>

namespace orvalis::forms {

class Forms;

// What every window model has: visibility, the window state the other
// windows set (1 minimised, 0 normal), the topmost flag, and the hook its view
// uses to hear about changes.
class Window {
  public:
    explicit Window(Forms& forms) : forms_(forms) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    bool Visible() const { return visible_; }
    void Show();
    void Hide();

    static constexpr int kNormal = 0;
    static constexpr int kMinimized = 1;
    int WindowState() const { return window_state_; }
    void SetWindowState(int state);

    bool Topmost() const { return topmost_; }

    // Shows the window in the normal state, above the others, whatever state
    // it was left in (minimised by a workbook run, hidden, behind another
    // window). The view raises it each time the count grows.
    void BringToFront();
    int front_requests() const { return front_requests_; }

    // Set by the view: called after a handler or another window changed what
    // the window shows.
    std::function<void()> Changed;

  protected:
    void MakeTopmost() { topmost_ = true; }
    // Tells the view to show the model's state again.
    void NotifyChanged();
    Forms& forms() { return forms_; }

  private:
    Forms& forms_;
    bool visible_ = false;
    int window_state_ = kNormal;
    bool topmost_ = false;
    int front_requests_ = 0;
};

}  // namespace orvalis::forms
