#include "gui/busy_work.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

void BusyWork::ShowProgressWhileMinimised(QWidget* window, std::function<QString()> progress) {
    minimised_window_ = window;
    progress_ = std::move(progress);
}

void BusyWork::UpdateProgressWindow() {
    bool wanted = running_ && minimised_window_ && minimised_window_->isMinimized();
    if (!wanted) {
        if (progress_window_) progress_window_->hide();
        return;
    }
    if (!progress_window_) {
        progress_window_ = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        progress_window_->setWindowTitle(QStringLiteral("ORVALIS"));
        auto* layout = new QVBoxLayout(progress_window_.get());
        progress_label_ = new QLabel(progress_window_.get());
        progress_label_->setMinimumWidth(320);
        progress_cancel_ = new QPushButton(QStringLiteral("취소"), progress_window_.get());
        layout->addWidget(progress_label_);
        layout->addWidget(progress_cancel_);
        AddCancelButton(progress_cancel_);
    }
    progress_label_->setText(progress_ ? progress_() : QString());
    progress_cancel_->setEnabled(true);
    if (!progress_window_->isVisible()) progress_window_->show();
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
    UpdateProgressWindow();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void BusyWork::WorkEnded() {
    running_ = false;
    UpdateProgressWindow();
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
