#include "gui/launcher_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

#include "gui/fonts.h"
#include "gui/icons.h"
#include "gui/window_sync.h"
#include "window_models/launcher_model.h"

namespace orvalis::gui {

LauncherWindow::LauncherWindow(std::shared_ptr<LauncherModel> model, MarkAction mark,
                               QWidget* parent)
    : QWidget(parent),
      mark_(std::move(mark)),
      model_(std::move(model)),
      command1_(new QPushButton(this)),
      command2_(new QPushButton(QString::fromStdString(model_->rename_button.Caption), this)),
      command3_(new QPushButton(QString::fromStdString(model_->settings_button.Caption), this)) {
    setWindowTitle(QStringLiteral("ORVALIS"));
    setWindowIcon(ProgramIcon());
    command1_->setIcon(ProgramIcon());
    command1_->setIconSize(QSize(56, 56));
    command1_->setToolTip(QStringLiteral("ORVALIS 메인 화면"));
    for (QPushButton* button : {command1_, command2_, command3_}) {
        button->setFont(ButtonFont());
        button->setMinimumSize(110, 80);
    }
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(command1_);
    layout->addWidget(command2_);
    layout->addWidget(command3_);

    connect(command1_, &QPushButton::clicked, this, [this] {
        mark_("load");
        model_->ClickMainWindow();
    });
    connect(command2_, &QPushButton::clicked, this, [this] { model_->ClickRename(); });
    connect(command3_, &QPushButton::clicked, this, [this] { model_->ClickSettings(); });
    model_->Changed = [this] { ApplyWindowModel(*this, *model_); };
}

// Closing the launcher ends the program and every window with it.
void LauncherWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

}  // namespace orvalis::gui
