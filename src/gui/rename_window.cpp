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
      text1_(new QLineEdit(this)),
      list1_(new QListWidget(this)),
      command5_(new QPushButton(QString::fromStdString(model_->Command5.Caption), this)) {
    setWindowTitle(QStringLiteral("이름바꾸기"));
    auto* prefix = CaptionLabel(QStringLiteral("이름"), this);
    text1_->setFont(ListFont());
    list1_->setFont(ListFont());
    command5_->setFont(ButtonFont());
    auto* layout = new QGridLayout(this);
    layout->addWidget(prefix, 0, 0);
    layout->addWidget(text1_, 0, 1);
    layout->addWidget(command5_, 0, 2);
    layout->addWidget(list1_, 1, 0, 1, 3);
    resize(420, 300);
    PlaceOnScreen(*this);

    connect(text1_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->rename_prefix.SetText(text.toStdString()); });
    connect(command5_, &QPushButton::clicked, this, [this] {
        mark_("rename");
        model_->ClickRename();
    });
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

void RenameWindow::Refresh() {
    QString prefix = QString::fromStdString(model_->rename_prefix.Text());
    if (text1_->text() != prefix) text1_->setText(prefix);
    list1_->clear();
    for (const auto& name : model_->renaming_list.Items())
        list1_->addItem(QString::fromStdString(name));
    list1_->setCurrentRow(model_->renaming_list.ListIndex());
    list1_->repaint();  // the names show while the host renames them
    ApplyWindowModel(*this, *model_);
}

}  // namespace orvalis::gui
