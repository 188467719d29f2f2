#include "gui/launcher_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

namespace orvalis::gui {

namespace {

// A window of its own, shown on a button press; closed with the launcher.
void ShowPlainWindow(QWidget* owner, const QString& title) {
    auto* window = new QWidget(owner, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->resize(640, 480);
    window->show();
}

}  // namespace

LauncherWindow::LauncherWindow(QWidget* parent)
    : QWidget(parent),
      command1_(new QPushButton(this)),
      command2_(new QPushButton(QStringLiteral("이름바꾸기"), this)),
      command3_(new QPushButton(QStringLiteral("등록"), this)) {
    setWindowTitle(QStringLiteral("ORVALIS"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    command1_->setIcon(QApplication::windowIcon());
    command1_->setIconSize(QSize(48, 48));
    command1_->setToolTip(QStringLiteral("ORVALIS"));
    for (QPushButton* button : {command1_, command2_, command3_}) button->setMinimumSize(96, 72);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(command1_);
    layout->addWidget(command2_);
    layout->addWidget(command3_);

    connect(command1_, &QPushButton::clicked, this,
            [this] { ShowPlainWindow(this, QStringLiteral("ORVALIS")); });
    connect(command2_, &QPushButton::clicked, this,
            [this] { ShowPlainWindow(this, QStringLiteral("Form2")); });
    connect(command3_, &QPushButton::clicked, this,
            [this] { ShowPlainWindow(this, QStringLiteral("Form11")); });
}

}  // namespace orvalis::gui

namespace orvalis::gui {

// Closing the launcher ends the program and every window with it.
void LauncherWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

}  // namespace orvalis::gui
