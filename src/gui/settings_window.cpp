#include "gui/settings_window.h"

#include <QCloseEvent>
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
#include "window_models/settings_window_model.h"

namespace orvalis::gui {

namespace {

// The model's box behind the window's box `number`: 1 to 8 the picture
// sizes, 9 the NC file extension.
forms::TextBox& ModelBox(SettingsWindowModel& model, int number) {
    return number == 9 ? model.nc_extension
                       : model.picture_sizes.at(static_cast<std::size_t>(number - 1));
}

}  // namespace

SettingsWindow::SettingsWindow(std::shared_ptr<SettingsWindowModel> model, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    // Named as the launcher's button that opens it.
    setWindowTitle(QStringLiteral("등록"));
    setWindowIcon(ProgramIcon());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSizeFrame());
    auto* size_buttons = new QHBoxLayout;
    size_buttons->addWidget(AddButton(3, FromStd(model_->open_sizes_button.Caption)));
    size_buttons->addWidget(AddButton(2, FromStd(model_->save_sizes_button.Caption)));
    layout->addLayout(size_buttons);
    layout->addWidget(BuildExtensionRow());
    layout->addWidget(AddButton(4, FromStd(model_->companies_button.Caption)));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ConnectEdits();
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

SettingsWindow::~SettingsWindow() {
    model_->Changed = nullptr;
}

QPushButton* SettingsWindow::AddButton(int number, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setFont(ButtonFont());
    button->setMinimumHeight(30);
    commands_.at(static_cast<std::size_t>(number)) = button;
    return button;
}

QLineEdit* SettingsWindow::Text(int number) const {
    return texts_.at(static_cast<std::size_t>(number));
}
QPushButton* SettingsWindow::Command(int number) const {
    return commands_.at(static_cast<std::size_t>(number));
}
QWidget* SettingsWindow::SizePair(int number) const {
    return size_pairs_.at(static_cast<std::size_t>(number));
}

// TOP top left, ISO top right, Front bottom left, Right bottom right.
QWidget* SettingsWindow::BuildSizeFrame() {
    auto* frame = CaptionFrame(FromStd(model_->sizes_frame.Caption), this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(24);
    grid->addWidget(BuildSizePair(1, FromStd(model_->top_caption.Caption), 1), 0, 0);
    grid->addWidget(BuildSizePair(2, FromStd(model_->iso_caption.Caption), 3), 0, 1);
    grid->addWidget(BuildSizePair(3, FromStd(model_->front_caption.Caption), 5), 1, 0);
    grid->addWidget(BuildSizePair(4, FromStd(model_->right_caption.Caption), 7), 1, 1);
    return frame;
}

// A heading above a width box and a height box, each with its W or H label.
QWidget* SettingsWindow::BuildSizePair(int number, const QString& heading, int width_box) {
    auto* pair = new QWidget(this);
    auto* grid = new QGridLayout(pair);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(CaptionLabel(heading, pair), 0, 0, 1, 4);
    for (int i = 0; i < 2; ++i) {
        const std::string& letter =
            i == 0 ? model_->width_caption.Caption : model_->height_caption.Caption;
        auto* box = new QLineEdit(pair);
        box->setFixedWidth(70);
        texts_.at(static_cast<std::size_t>(width_box + i)) = box;
        grid->addWidget(CaptionLabel(FromStd(letter), pair), 1, 2 * i);
        grid->addWidget(box, 1, 2 * i + 1);
    }
    size_pairs_.at(static_cast<std::size_t>(number)) = pair;
    return pair;
}

// The note sits beside the button it explains.
QWidget* SettingsWindow::BuildExtensionRow() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* text9 = new QLineEdit(row);
    text9->setFixedWidth(70);
    texts_[9] = text9;
    grid->addWidget(CaptionLabel(FromStd(model_->extension_caption.Caption), row), 0, 0);
    grid->addWidget(text9, 0, 1);
    grid->addWidget(AddButton(1, FromStd(model_->save_extension_button.Caption)), 0, 2);
    label7_ = CaptionLabel(FromStd(model_->restart_note.Caption), row);
    grid->addWidget(label7_, 0, 3);
    grid->setColumnStretch(3, 1);
    return row;
}

void SettingsWindow::ConnectEdits() {
    SettingsWindowModel& m = *model_;
    for (int number = 1; number <= 9; ++number)
        ForwardTyping(*Text(number), ModelBox(m, number), *this);
    connect(Command(3), &QPushButton::clicked, this, [&m] { m.ClickOpenPictureSizes(); });
    connect(Command(2), &QPushButton::clicked, this, [&m] { m.ClickSavePictureSizes(); });
    connect(Command(1), &QPushButton::clicked, this, [&m] { m.ClickSaveExtension(); });
    connect(Command(4), &QPushButton::clicked, this, [&m] { m.ClickCompanies(); });
}

void SettingsWindow::Refresh() {
    for (int number = 1; number <= 9; ++number)
        ShowTextBox(*Text(number), ModelBox(*model_, number));
    ApplyWindowModel(*this, *model_);
}

// Closing unloads the window: what was typed and not saved is gone, and the
// next use reads the file again.
void SettingsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    model_->Unload();
}

}  // namespace orvalis::gui
