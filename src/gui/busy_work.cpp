#include "gui/busy_work.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "host/session.h"

namespace orvalis::gui {

namespace {

// The user's input: what the program must not act on while the host works.
bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

BusyWork::BusyWork(host::HostSession& session) : session_(session) {
    session_.SetWatcher(this);
}

BusyWork::~BusyWork() {
    session_.SetWatcher(nullptr);
    if (running_) qApp->removeEventFilter(this);
}

void BusyWork::AddCancelButton(QPushButton* button) {
    button->setEnabled(running_);
    connect(button, &QPushButton::clicked, this, [this] { session_.RequestCancel(); });
    cancel_buttons_.append(button);
}

void BusyWork::AddBlockedWidget(QWidget* widget) {
    blocked_.append(widget);
}

void BusyWork::WorkStarted() {
    running_ = true;
    for (const auto& widget : blocked_) {
        if (widget) widget->setEnabled(false);
    }
    for (const auto& button : cancel_buttons_) {
        if (button) button->setEnabled(true);
    }
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

void BusyWork::BetweenCalls() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void BusyWork::WorkEnded() {
    running_ = false;
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
    for (const auto& button : cancel_buttons_) {
        if (button) button->setEnabled(false);
    }
    for (const auto& widget : blocked_) {
        if (widget) widget->setEnabled(true);
    }
}

// Whether input for `watched` goes through: the cancel buttons, and a
// message box the work itself opened.
bool BusyWork::Reaches(QObject* watched) const {
    for (const auto& button : cancel_buttons_) {
        if (button && watched == button.data()) return true;
    }
    QWidget* modal = QApplication::activeModalWidget();
    auto* widget = qobject_cast<QWidget*>(watched);
    return modal && widget && (widget == modal || modal->isAncestorOf(widget));
}

bool BusyWork::eventFilter(QObject* watched, QEvent* event) {
    // Input reaches a window first and its widget after: judged at the widget.
    if (!watched->isWidgetType() || !IsInput(event->type()) || Reaches(watched)) return false;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        session_.RequestCancel();
    }
    event->ignore();
    return true;
}

}  // namespace orvalis::gui
