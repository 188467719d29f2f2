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

SettingsWindow::SettingsWindow(std::shared_ptr<SettingsWindowModel> model, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    // Named as the launcher's button that opens it.
    setWindowTitle(QStringLiteral("등록"));
    setWindowIcon(ProgramIcon());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSizeFrame());
    auto* size_buttons = new QHBoxLayout;
    size_buttons->addWidget(AddButton(model_->open_sizes_button));
    size_buttons->addWidget(AddButton(model_->save_sizes_button));
    layout->addLayout(size_buttons);
    layout->addWidget(BuildExtensionRow());
    layout->addWidget(AddButton(model_->companies_button));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ConnectEdits();
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

SettingsWindow::~SettingsWindow() {
    model_->Changed = nullptr;
}

QPushButton* SettingsWindow::AddButton(const forms::Button& button) {
    QPushButton* view = buttons_.Add(button, this);
    view->setMinimumHeight(30);
    return view;
}

// TOP top left, ISO top right, Front bottom left, Right bottom right.
QWidget* SettingsWindow::BuildSizeFrame() {
    auto* frame = CaptionFrame(FromStd(model_->sizes_frame.Caption), this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(24);
    grid->addWidget(BuildSizePair(FromStd(model_->top_caption.Caption), 0), 0, 0);
    grid->addWidget(BuildSizePair(FromStd(model_->iso_caption.Caption), 2), 0, 1);
    grid->addWidget(BuildSizePair(FromStd(model_->front_caption.Caption), 4), 1, 0);
    grid->addWidget(BuildSizePair(FromStd(model_->right_caption.Caption), 6), 1, 1);
    return frame;
}

// A heading above a width box and a height box, each with its W or H label.
QWidget* SettingsWindow::BuildSizePair(const QString& heading, int width_box) {
    auto* pair = new QWidget(this);
    auto* grid = new QGridLayout(pair);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(CaptionLabel(heading, pair), 0, 0, 1, 4);
    for (int i = 0; i < 2; ++i) {
        const std::string& letter =
            i == 0 ? model_->width_caption.Caption : model_->height_caption.Caption;
        auto* box = new QLineEdit(pair);
        box->setFixedWidth(70);
        size_boxes_.at(static_cast<std::size_t>(width_box + i)) = box;
        grid->addWidget(CaptionLabel(FromStd(letter), pair), 1, 2 * i);
        grid->addWidget(box, 1, 2 * i + 1);
    }
    return pair;
}

// The note sits beside the button it explains.
QWidget* SettingsWindow::BuildExtensionRow() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    extension_box_ = new QLineEdit(row);
    extension_box_->setFixedWidth(70);
    grid->addWidget(CaptionLabel(FromStd(model_->extension_caption.Caption), row), 0, 0);
    grid->addWidget(extension_box_, 0, 1);
    grid->addWidget(AddButton(model_->save_extension_button), 0, 2);
    restart_note_ = CaptionLabel(FromStd(model_->restart_note.Caption), row);
    grid->addWidget(restart_note_, 0, 3);
    grid->setColumnStretch(3, 1);
    return row;
}

void SettingsWindow::ConnectEdits() {
    SettingsWindowModel& m = *model_;
    for (std::size_t i = 0; i < size_boxes_.size(); ++i)
        ForwardTyping(*size_boxes_[i], m.picture_sizes.at(i), *this);
    ForwardTyping(*extension_box_, m.nc_extension, *this);
    connect(Button(m.open_sizes_button), &QPushButton::clicked, this,
            [&m] { m.ClickOpenPictureSizes(); });
    connect(Button(m.save_sizes_button), &QPushButton::clicked, this,
            [&m] { m.ClickSavePictureSizes(); });
    connect(Button(m.save_extension_button), &QPushButton::clicked, this,
            [&m] { m.ClickSaveExtension(); });
    connect(Button(m.companies_button), &QPushButton::clicked, this, [&m] { m.ClickCompanies(); });
}

void SettingsWindow::Refresh() {
    for (std::size_t i = 0; i < size_boxes_.size(); ++i)
        ShowTextBox(*size_boxes_[i], model_->picture_sizes.at(i));
    ShowTextBox(*extension_box_, model_->nc_extension);
    ApplyWindowModel(*this, *model_);
}

// Closing unloads the window: what was typed and not saved is gone, and the
// next use reads the file again.
void SettingsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    model_->Unload();
}

}  // namespace orvalis::gui
