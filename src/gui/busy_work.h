#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "host/host_work.h"

class QLabel;
class QPushButton;
class QWidget;

namespace orvalis::host {
class HostSession;
}

namespace orvalis::gui {

// Keeps the program alive while a window's long host work runs. The work
// stays on the GUI thread, where the channel's host objects were made (a COM
// host answers only there); before each host call the pending events are
// handled, so the windows repaint and the status bar shows the progress.
// Meanwhile only "취소" (or Esc) reaches the program: every other click and
// key is dropped and the windows do not close. "취소" asks the session to
// refuse the next host call; the work then sends its closing commands and
// says what it did not do.
class BusyWork : public QObject, public host::WorkWatcher {
  public:
    explicit BusyWork(host::HostSession& session);
    ~BusyWork() override;
    BusyWork(const BusyWork&) = delete;
    BusyWork& operator=(const BusyWork&) = delete;

    // A "취소" button: enabled only while work runs.
    void AddCancelButton(QPushButton* button);
    // Controls shown disabled while work runs.
    void AddBlockedWidget(QWidget* widget);
    // While the work runs with `window` minimised (the collision pass steps
    // aside for the host's view), a small window of its own shows `progress`
    // and a "취소" button, so the work can be followed and stopped.
    void ShowProgressWhileMinimised(QWidget* window, std::function<QString()> progress);
    // That small window and its button; null until first needed.
    QWidget* ProgressWindow() const { return progress_window_.get(); }
    QPushButton* ProgressCancelButton() const { return progress_cancel_; }

    void WorkStarted() override;
    void BetweenCalls() override;
    void WorkEnded() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Reaches(QObject* watched) const;
    void UpdateProgressWindow();

    host::HostSession& session_;
    QList<QPointer<QPushButton>> cancel_buttons_;
    QList<QPointer<QWidget>> blocked_;
    bool running_ = false;
    QPointer<QWidget> minimised_window_;
    std::function<QString()> progress_;
    std::unique_ptr<QWidget> progress_window_;
    QLabel* progress_label_ = nullptr;
    QPushButton* progress_cancel_ = nullptr;
};

}  // namespace orvalis::gui
