#include "gui/company_registry_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/control_views.h"
#include "gui/fonts.h"
#include "gui/icons.h"
#include "gui/window_sync.h"
#include "window_models/company_registry_model.h"

namespace orvalis::gui {

namespace {

QPushButton* Button(const std::string& caption, QWidget* parent) {
    auto* button = new QPushButton(FromStd(caption), parent);
    button->setFont(ButtonFont());
    button->setMinimumHeight(30);
    return button;
}

}  // namespace

CompanyRegistryWindow::CompanyRegistryWindow(std::shared_ptr<CompanyRegistryModel> model,
                                             QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setWindowTitle(QStringLiteral("업체 등록"));
    setWindowIcon(ProgramIcon());
    auto* layout = new QVBoxLayout(this);

    auto* path_row = new QHBoxLayout;
    text3_ = new QLineEdit(this);
    text3_->setReadOnly(true);
    text3_->setFont(ListFont());
    path_row->addWidget(CaptionLabel(FromStd(model_->path_caption.Caption), this));
    path_row->addWidget(text3_, 1);
    layout->addLayout(path_row);

    layout->addWidget(BuildNameFrame());
    auto* buttons = new QHBoxLayout;
    command2_ = Button(model_->find_button.Caption, this);
    command1_ = Button(model_->save_button.Caption, this);
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);
    layout->addLayout(buttons);

    label5_ = CaptionLabel(FromStd(model_->instructions.Caption), this);
    label5_->setWordWrap(true);
    label5_->setFrameShape(QFrame::StyledPanel);
    label5_->setMargin(6);
    layout->addWidget(label5_);

    setFixedWidth(400);
    ConnectEdits();
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

CompanyRegistryWindow::~CompanyRegistryWindow() {
    model_->Changed = nullptr;
}

// The key list lies hidden in the company list's place: it holds the slot the
// next save writes, which the user does not pick.
QWidget* CompanyRegistryWindow::BuildNameFrame() {
    auto* frame = new QGroupBox(FromStd(model_->names_frame.Caption), this);
    frame->setFont(CaptionFont());
    auto* grid = new QGridLayout(frame);
    combo3_ = new QComboBox(frame);
    combo2_ = new QComboBox(frame);
    combo2_->hide();
    text4_ = new QLineEdit(frame);
    for (QWidget* control : {static_cast<QWidget*>(combo3_), static_cast<QWidget*>(combo2_),
                             static_cast<QWidget*>(text4_)}) {
        control->setFont(ListFont());
    }
    grid->addWidget(combo3_, 0, 0, 1, 2);
    grid->addWidget(combo2_, 0, 0, 1, 2);
    grid->addWidget(CaptionLabel(FromStd(model_->name_caption.Caption), frame), 1, 0);
    grid->addWidget(text4_, 1, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

void CompanyRegistryWindow::ConnectEdits() {
    CompanyRegistryModel& m = *model_;
    ForwardTyping(*text4_, m.new_name, *this);
    ForwardChoice(*combo3_, m.stored_names, *this);
    connect(command2_, &QPushButton::clicked, this, [&m] { m.ClickFindCompanies(); });
    connect(command1_, &QPushButton::clicked, this, [&m] { m.ClickSaveCompany(); });
}

void CompanyRegistryWindow::Refresh() {
    const CompanyRegistryModel& m = *model_;
    ShowTextBox(*text3_, m.file_path);
    ShowTextBox(*text4_, m.new_name);
    ShowComboBox(*combo3_, m.stored_names);
    ShowComboBox(*combo2_, m.slot_keys);
    ApplyWindowModel(*this, m);
}

// Closing unloads the dialog; the next one starts from the recorded position.
void CompanyRegistryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    model_->Unload();
}

}  // namespace orvalis::gui
