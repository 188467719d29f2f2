#include "gui/rename_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/control_views.h"
#include "gui/fonts.h"
#include "gui/window_sync.h"
#include "window_models/rename_window_model.h"

namespace orvalis::gui {

RenameWindow::RenameWindow(std::shared_ptr<RenameWindowModel> model, MarkAction mark,
                           QWidget* parent)
    : QWidget(parent),
      mark_(std::move(mark)),
      model_(std::move(model)),
      rename_prefix_(new QLineEdit(this)),
      renaming_list_(new QListWidget(this)),
      rename_button_(new QPushButton(QString::fromStdString(model_->rename_button.Caption), this)) {
    setWindowTitle(QStringLiteral("이름바꾸기"));
    auto* prefix = CaptionLabel(QStringLiteral("이름"), this);
    rename_prefix_->setFont(ListFont());
    renaming_list_->setFont(ListFont());
    rename_button_->setFont(ButtonFont());
    auto* layout = new QGridLayout(this);
    layout->addWidget(prefix, 0, 0);
    layout->addWidget(rename_prefix_, 0, 1);
    layout->addWidget(rename_button_, 0, 2);
    layout->addWidget(renaming_list_, 1, 0, 1, 3);
    resize(420, 300);
    PlaceOnScreen(*this);

    connect(rename_prefix_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->rename_prefix.SetText(text.toStdString()); });
    connect(rename_button_, &QPushButton::clicked, this, [this] {
        mark_("rename");
        model_->ClickRename();
    });
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

void RenameWindow::Refresh() {
    QString prefix = QString::fromStdString(model_->rename_prefix.Text());
    if (rename_prefix_->text() != prefix) rename_prefix_->setText(prefix);
    renaming_list_->clear();
    for (const auto& name : model_->renaming_list.Items())
        renaming_list_->addItem(QString::fromStdString(name));
    renaming_list_->setCurrentRow(model_->renaming_list.ListIndex());
    renaming_list_->repaint();  // the names show while the host renames them
    ApplyWindowModel(*this, *model_);
}

}  // namespace orvalis::gui
