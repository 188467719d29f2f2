#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "host/host_work.h"

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

    void WorkStarted() override;
    void BetweenCalls() override;
    void WorkEnded() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Reaches(QObject* watched) const;

    host::HostSession& session_;
    QList<QPointer<QPushButton>> cancel_buttons_;
    QList<QPointer<QWidget>> blocked_;
    bool running_ = false;
};

}  // namespace orvalis::gui
