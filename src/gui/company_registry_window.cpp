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
    file_path_ = new QLineEdit(this);
    file_path_->setReadOnly(true);
    file_path_->setFont(ListFont());
    path_row->addWidget(CaptionLabel(FromStd(model_->path_caption.Caption), this));
    path_row->addWidget(file_path_, 1);
    layout->addLayout(path_row);

    layout->addWidget(BuildNameFrame());
    auto* buttons = new QHBoxLayout;
    find_button_ = Button(model_->find_button.Caption, this);
    save_button_ = Button(model_->save_button.Caption, this);
    buttons->addWidget(find_button_);
    buttons->addWidget(save_button_);
    layout->addLayout(buttons);

    instructions_ = CaptionLabel(FromStd(model_->instructions.Caption), this);
    instructions_->setWordWrap(true);
    instructions_->setFrameShape(QFrame::StyledPanel);
    instructions_->setMargin(6);
    layout->addWidget(instructions_);

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
    stored_names_ = new QComboBox(frame);
    slot_keys_ = new QComboBox(frame);
    slot_keys_->hide();
    new_name_ = new QLineEdit(frame);
    for (QWidget* control : {static_cast<QWidget*>(stored_names_),
                             static_cast<QWidget*>(slot_keys_), static_cast<QWidget*>(new_name_)}) {
        control->setFont(ListFont());
    }
    grid->addWidget(stored_names_, 0, 0, 1, 2);
    grid->addWidget(slot_keys_, 0, 0, 1, 2);
    grid->addWidget(CaptionLabel(FromStd(model_->name_caption.Caption), frame), 1, 0);
    grid->addWidget(new_name_, 1, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

void CompanyRegistryWindow::ConnectEdits() {
    CompanyRegistryModel& m = *model_;
    ForwardTyping(*new_name_, m.new_name, *this);
    ForwardChoice(*stored_names_, m.stored_names, *this);
    connect(find_button_, &QPushButton::clicked, this, [&m] { m.ClickFindCompanies(); });
    connect(save_button_, &QPushButton::clicked, this, [&m] { m.ClickSaveCompany(); });
}

void CompanyRegistryWindow::Refresh() {
    const CompanyRegistryModel& m = *model_;
    ShowTextBox(*file_path_, m.file_path);
    ShowTextBox(*new_name_, m.new_name);
    ShowComboBox(*stored_names_, m.stored_names);
    ShowComboBox(*slot_keys_, m.slot_keys);
    ApplyWindowModel(*this, m);
}

// Closing unloads the dialog; the next one starts from the recorded position.
void CompanyRegistryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    model_->Unload();
}

}  // namespace orvalis::gui
