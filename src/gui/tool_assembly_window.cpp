#include "gui/tool_assembly_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/control_views.h"
#include "gui/flex_grid_view.h"
#include "gui/fonts.h"
#include "gui/icons.h"
#include "gui/window_sync.h"
#include "window_models/tool_assembly_window_model.h"

namespace orvalis::gui {

namespace {

QString HeadingOf(int number) {
    std::string_view heading = collision::kFieldHeadings[static_cast<std::size_t>(number - 1)];
    return QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size()));
}

}  // namespace

ToolAssemblyWindow::ToolAssemblyWindow(std::shared_ptr<ToolAssemblyWindowModel> model,
                                       QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
    setWindowTitle(QStringLiteral("공구설정"));
    setWindowIcon(ProgramIcon());
    grid_ = new FlexGridView(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(BuildEntryRow());
    layout->addWidget(BuildButtonRow());
    ConnectEdits();
    resize(1200, 520);
    PlaceOnScreen(*this);
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

ToolAssemblyWindow::~ToolAssemblyWindow() {
    model_->Changed = nullptr;
}

QLineEdit* ToolAssemblyWindow::EntryBox(int field) const {
    return entry_boxes_.at(static_cast<std::size_t>(field - 1));
}

// One box per field, left to right in field order, each under its heading;
// the columns share the width equally.
QWidget* ToolAssemblyWindow::BuildEntryRow() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int number = 1; number <= collision::kFieldCount; ++number) {
        auto* label = CaptionLabel(HeadingOf(number), row);
        label->setAlignment(Qt::AlignCenter);
        auto* box = new QLineEdit(row);
        box->setFont(GridFont());  // sizes: the point must not pass for a comma
        box->setMinimumWidth(48);
        entry_boxes_[static_cast<std::size_t>(number - 1)] = box;
        grid->addWidget(label, 0, number - 1);
        grid->addWidget(box, 1, number - 1);
        grid->setColumnStretch(number - 1, 1);
    }
    return row;
}

QWidget* ToolAssemblyWindow::BuildButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QGroupBox(row);
    auto* options = new QHBoxLayout(frame);
    const forms::OptionButton* models[] = {&model_->steel_option, &model_->electrode_option};
    for (std::size_t i = 0; i < options_.size(); ++i) {
        auto* option = new QRadioButton(FromStd(models[i]->Caption), frame);
        option->setFont(CaptionFont());
        // The model decides which is set, and may set neither.
        option->setAutoExclusive(false);
        options->addWidget(option);
        options_[i] = option;
    }
    layout->addWidget(frame);
    layout->addStretch(1);
    for (const forms::Button* button :
         {&model_->load_button, &model_->save_button, &model_->clear_button}) {
        QPushButton* view = buttons_.Add(*button, row);
        view->setMinimumSize(100, 34);
        layout->addWidget(view);
    }
    QPushButton* delete_view = buttons_.Add(model_->delete_button, row);
    delete_view->setMinimumSize(100, 34);
    delete_view->setToolTip(QStringLiteral("표에서 고른 레코드를 공구 설정 파일에서 지웁니다"));
    layout->addSpacing(24);
    layout->addWidget(delete_view);
    return row;
}

void ToolAssemblyWindow::ConnectEdits() {
    ToolAssemblyWindowModel& m = *model_;
    for (int number = 1; number <= collision::kFieldCount; ++number) {
        ForwardTyping(*EntryBox(number), m.EntryBox(number), *this);
    }
    connect(Button(m.load_button), &QPushButton::clicked, this, [&m] { m.ClickLoadTable(); });
    connect(Button(m.save_button), &QPushButton::clicked, this, [&m] { m.ClickSaveRecord(); });
    connect(Button(m.clear_button), &QPushButton::clicked, this, [&m] { m.ClickClearEntries(); });
    connect(Button(m.delete_button), &QPushButton::clicked, this, [&m] { m.ClickDeleteRecord(); });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [&m](int row, int /*column*/, int, int) { m.SelectRow(row + 1); });
    for (int number : {1, 2}) {
        connect(options_.at(static_cast<std::size_t>(number - 1)), &QRadioButton::clicked, this,
                [this, number] {
                    model_->steel_option.Value = number == 1;
                    model_->electrode_option.Value = number == 2;
                    Refresh();
                });
    }
}

void ToolAssemblyWindow::Refresh() {
    const ToolAssemblyWindowModel& m = *model_;
    grid_->ShowGrid(m.assembly_grid);
    for (int number = 1; number <= collision::kFieldCount; ++number) {
        ShowTextBox(*EntryBox(number), m.EntryBox(number));
    }
    SteelOption()->setChecked(m.steel_option.Value);
    ElectrodeOption()->setChecked(m.electrode_option.Value);
    ApplyWindowModel(*this, m);
}

// Closing unloads the window: the main window comes back, and the next
// opening or collision check reads the file again.
void ToolAssemblyWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    model_->Unload();
}

}  // namespace orvalis::gui
