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
      main_window_button_(new QPushButton(this)),
      rename_button_(new QPushButton(QString::fromStdString(model_->rename_button.Caption), this)),
      settings_button_(
          new QPushButton(QString::fromStdString(model_->settings_button.Caption), this)) {
    setWindowTitle(QStringLiteral("ORVALIS"));
    setWindowIcon(ProgramIcon());
    main_window_button_->setIcon(ProgramIcon());
    main_window_button_->setIconSize(QSize(56, 56));
    main_window_button_->setToolTip(QStringLiteral("ORVALIS 메인 화면"));
    for (QPushButton* button : {main_window_button_, rename_button_, settings_button_}) {
        button->setFont(ButtonFont());
        button->setMinimumSize(110, 80);
    }
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(main_window_button_);
    layout->addWidget(rename_button_);
    layout->addWidget(settings_button_);

    connect(main_window_button_, &QPushButton::clicked, this, [this] {
        mark_("load");
        model_->ClickMainWindow();
    });
    connect(rename_button_, &QPushButton::clicked, this, [this] { model_->ClickRename(); });
    connect(settings_button_, &QPushButton::clicked, this, [this] { model_->ClickSettings(); });
    model_->Changed = [this] { ApplyWindowModel(*this, *model_); };
}

// Closing the launcher ends the program and every window with it.
void LauncherWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

}  // namespace orvalis::gui
