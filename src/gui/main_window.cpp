#include "gui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStackedLayout>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/control_views.h"
#include "gui/flex_grid_view.h"
#include "gui/folder_panel_view.h"
#include "gui/fonts.h"
#include "gui/icons.h"
#include "gui/window_sync.h"
#include "window_models/main_window_model.h"

namespace orvalis::gui {

namespace {

void ShowList(QListWidget& list, const forms::ListBox& model) {
    QStringList items;
    for (const auto& item : model.Items()) items << FromStd(item);
    bool same = list.count() == items.size();
    for (int i = 0; same && i < list.count(); ++i) same = list.item(i)->text() == items[i];
    if (!same) {
        list.clear();
        list.addItems(items);
    }
    if (list.selectionMode() == QAbstractItemView::MultiSelection) {
        for (int i = 0; i < list.count(); ++i) list.item(i)->setSelected(model.Selected(i));
    } else {
        list.setCurrentRow(model.ListIndex());
    }
}

}  // namespace

QString ClockText(const QTime& time) {
    return QLocale(QLocale::Korean, QLocale::SouthKorea).toString(time, QStringLiteral("AP h:mm"));
}

MainWindow::MainWindow(std::shared_ptr<MainWindowModel> model, MarkAction mark, QWidget* parent)
    : QMainWindow(parent), mark_(std::move(mark)), model_(std::move(model)) {
    setWindowTitle(QStringLiteral("ORVALIS"));
    setWindowIcon(ProgramIcon());
    auto* central = new QWidget(this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildSheetFrame(), 0);
    top->addWidget(BuildToolpathFrame(), 1);
    top->addWidget(BuildProjectFrame(), 1);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top, 0);
    layout->addWidget(BuildLowerFrame(), 1);
    setCentralWidget(central);
    BuildStatusBar();
    ConnectEdits();
    resize(1360, 900);
    PlaceOnScreen(*this);
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

QWidget* MainWindow::BuildSheetFrame() {
    auto* sheet = CaptionFrame(QStringLiteral("시트지 정보"), this);
    auto* layout = new QVBoxLayout(sheet);

    auto* version = CaptionFrame(QStringLiteral("파워밀 버전 정보"), sheet);
    version_stack_ = new QStackedLayout(version);
    for (auto& label : version_labels_) {
        label = CaptionLabel(QString(), version);
        version_stack_->addWidget(label);
    }
    version_stack_->addWidget(new QWidget(version));
    version->setMinimumHeight(52);
    layout->addWidget(version);

    auto* check = CaptionFrame(QStringLiteral("공구 검증 옵션"), sheet);
    auto* check_layout = new QHBoxLayout(check);
    material_ = new QComboBox(check);
    collision_check_ = new QCheckBox(QStringLiteral("충돌 간섭"), check);
    gouge_check_ = new QCheckBox(QStringLiteral("과절삭"), check);
    check_layout->addWidget(material_);
    check_layout->addWidget(buttons_.Add(model_->tool_settings_button, this));
    check_layout->addWidget(collision_check_);
    check_layout->addWidget(gouge_check_);
    layout->addWidget(check);

    auto* order = CaptionFrame(QStringLiteral("작업 지시서"), sheet);
    auto* grid = new QGridLayout(order);
    company_name_ = new QComboBox(order);
    work_offset_ = new QComboBox(order);
    item_name_ = new QLineEdit(order);
    part_name_ = new QLineEdit(order);
    grid->addWidget(CaptionLabel(QStringLiteral("회사명"), order), 0, 0);
    grid->addWidget(company_name_, 0, 1);
    grid->addWidget(CaptionLabel(QStringLiteral("좌 표"), order), 0, 2);
    grid->addWidget(work_offset_, 0, 3);
    grid->addWidget(CaptionLabel(QStringLiteral("품  명"), order), 1, 0);
    grid->addWidget(item_name_, 1, 1);
    grid->addWidget(CaptionLabel(QStringLiteral("부품명"), order), 1, 2);
    grid->addWidget(part_name_, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    part_name_->setMinimumWidth(120);
    layout->addWidget(order);

    auto* extension = new QHBoxLayout;
    nc_extension_ = new QLineEdit(sheet);
    nc_extension_->setMaximumWidth(80);
    extension->addWidget(CaptionLabel(QStringLiteral("확장자"), sheet));
    extension->addWidget(nc_extension_);
    extension->addStretch(1);
    layout->addLayout(extension);
    layout->addStretch(1);
    return sheet;
}

QWidget* MainWindow::BuildToolpathFrame() {
    auto* frame = CaptionFrame(QStringLiteral("ToolPatH List"), this);
    auto* layout = new QGridLayout(frame);
    project_list_ = new QListWidget(frame);
    project_list_->setSelectionMode(QAbstractItemView::MultiSelection);
    survey_list_ = new QListWidget(frame);
    for (QListWidget* list : {project_list_, survey_list_}) {
        // Toolpath names hold sizes ("D10R0.5"): the grid's font, whose
        // point and comma differ.
        list->setFont(GridFont());
        list->setMinimumWidth(150);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(buttons_.Add(model_->add_all_button, this));
    buttons->addWidget(buttons_.Add(model_->add_button, this));
    buttons->addWidget(buttons_.Add(model_->remove_button, this));
    buttons->addWidget(buttons_.Add(model_->remove_all_button, this));
    buttons->addStretch(1);
    layout->addWidget(project_list_, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(survey_list_, 0, 2);
    layout->addWidget(buttons_.Add(model_->refresh_button, this), 1, 0);
    layout->addWidget(buttons_.Add(model_->survey_button, this), 1, 2);
    return frame;
}

QWidget* MainWindow::BuildProjectFrame() {
    auto* frame = new QWidget(this);
    auto* layout = new QGridLayout(frame);
    project_name_ = new QLabel(frame);
    project_folder_ = new QLabel(frame);
    for (QLabel* label : {project_name_, project_folder_}) {
        label->setFont(ListFont());
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFrameShape(QFrame::StyledPanel);
    }
    layout->addWidget(CaptionLabel(QStringLiteral("POWERMILL NAME>>"), frame), 0, 0);
    layout->addWidget(project_name_, 0, 1);
    layout->addWidget(CaptionLabel(QStringLiteral("파일 위치:>>"), frame), 1, 0);
    layout->addWidget(project_folder_, 1, 1);
    tabs_ = new QTabWidget(frame);
    tabs_->setFont(CaptionFont());
    folder_panel_ = new FolderPanelView(model_, tabs_);
    tabs_->addTab(folder_panel_, QStringLiteral("위치1"));
    for (const char* tab : {"위치2", "위치3", "위치4"}) {
        tabs_->addTab(new QWidget(tabs_), QString::fromUtf8(tab));
    }
    layout->addWidget(tabs_, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return frame;
}

QWidget* MainWindow::BuildLowerFrame() {
    auto* frame = new QGroupBox(this);
    auto* layout = new QVBoxLayout(frame);
    auto* row = new QHBoxLayout;
    nc_prefix_ = new QLineEdit(frame);
    nc_start_ = new QLineEdit(frame);
    post_option_ = new QComboBox(frame);
    post_option_->setEditable(true);
    post_option_->setMinimumWidth(180);
    for (QLineEdit* edit : {nc_prefix_, nc_start_}) edit->setMaximumWidth(110);
    row->addWidget(CaptionLabel(QStringLiteral("이름"), frame));
    row->addWidget(nc_prefix_);
    row->addWidget(CaptionLabel(QStringLiteral("시작 위치"), frame));
    row->addWidget(nc_start_);
    row->addWidget(post_option_);
    row->addWidget(buttons_.Add(model_->post_button, this));
    row->addWidget(buttons_.Add(model_->sheet_button, this));
    mark_changes_ = new QCheckBox(FromStd(model_->mark_changes_check.Caption), frame);
    mark_changes_->setToolTip(
        QStringLiteral("같은 이름의 시트를 바꿀 때, 그 뒤로 바뀐 칸과 새 "
                       "툴패스를 색으로 표시하고 지워진 툴패스를 적습니다"));
    row->addWidget(mark_changes_);
    row->addWidget(buttons_.Add(model_->pictures_button, this));
    QPushButton* capture = buttons_.Add(model_->capture_button, this);
    capture->setIcon(CaptureIcon());
    capture->setIconSize(QSize(32, 32));
    capture->setToolTip(QStringLiteral("뷰 캡처"));
    row->addWidget(capture);
    row->addStretch(1);
    layout->addLayout(row);
    grid_ = new FlexGridView(frame);
    layout->addWidget(grid_, 1);
    return frame;
}

void MainWindow::BuildStatusBar() {
    status_panel_ = new QLabel(this);
    statusBar()->addWidget(status_panel_, 1);
    cancel_ = new QPushButton(QStringLiteral("취소"), this);
    cancel_->setEnabled(false);
    statusBar()->addPermanentWidget(cancel_);
    for (const char* key : {"INS", "NUM", "CAPS"}) {
        auto* panel = new QLabel(QString::fromUtf8(key), this);
        panel->setEnabled(false);  // the lock keys' state cannot be read here
        statusBar()->addPermanentWidget(panel);
    }
    auto* time = new QLabel(this);
    auto* date = new QLabel(this);
    statusBar()->addPermanentWidget(time);
    statusBar()->addPermanentWidget(date);
    auto tick = [time, date] {
        time->setText(ClockText(QTime::currentTime()));
        date->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    };
    tick();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, tick);
    clock->start(1000);
}

void MainWindow::ConnectEdits() {
    MainWindowModel& m = *model_;
    connect(buttons_.Of(m.add_all_button), &QPushButton::clicked, this, [&m] { m.ClickAddAll(); });
    connect(buttons_.Of(m.add_button), &QPushButton::clicked, this, [&m] { m.ClickAddSelected(); });
    connect(buttons_.Of(m.remove_button), &QPushButton::clicked, this,
            [&m] { m.ClickRemoveSelected(); });
    connect(buttons_.Of(m.remove_all_button), &QPushButton::clicked, this,
            [&m] { m.ClickRemoveAll(); });
    connect(buttons_.Of(m.refresh_button), &QPushButton::clicked, this,
            [&m] { m.ClickRefreshToolpaths(); });
    // A click that talks to the host first marks its action in the transcript.
    auto marked = [this, &m](const char* action, void (MainWindowModel::*click)()) {
        return [this, &m, action, click] {
            mark_(action);
            (m.*click)();
        };
    };
    connect(buttons_.Of(m.survey_button), &QPushButton::clicked, this,
            marked("survey", &MainWindowModel::ClickSurvey));
    connect(buttons_.Of(m.capture_button), &QPushButton::clicked, this,
            marked("block", &MainWindowModel::ClickCapture));
    connect(buttons_.Of(m.post_button), &QPushButton::clicked, this,
            marked("post", &MainWindowModel::ClickPostNc));
    connect(buttons_.Of(m.sheet_button), &QPushButton::clicked, this,
            marked("sheet", &MainWindowModel::ClickSetupSheet));
    connect(buttons_.Of(m.pictures_button), &QPushButton::clicked, this,
            marked("pictures", &MainWindowModel::ClickPictures));
    connect(buttons_.Of(m.tool_settings_button), &QPushButton::clicked, this,
            [&m] { m.ClickToolSettings(); });
    connect(collision_check_, &QCheckBox::clicked, this,
            marked("collision", &MainWindowModel::ClickCollisionCheck));
    connect(gouge_check_, &QCheckBox::clicked, this,
            marked("gouge", &MainWindowModel::ClickGougeDisplay));
    connect(mark_changes_, &QCheckBox::toggled, this,
            [&m](bool checked) { m.mark_changes_check.Value = checked ? 1 : 0; });

    connect(project_list_, &QListWidget::itemSelectionChanged, this, [this, &m] {
        for (int i = 0; i < project_list_->count(); ++i)
            m.project_list.SetSelected(i, project_list_->item(i)->isSelected());
    });
    connect(survey_list_, &QListWidget::currentRowChanged, this, [&m](int row) {
        if (row < m.survey_list.ListCount()) m.survey_list.SetListIndex(row);
    });
    ForwardTyping(*item_name_, m.item_name, *this);
    ForwardTyping(*part_name_, m.part_name, *this);
    ForwardTyping(*nc_extension_, m.nc_extension, *this);
    ForwardTyping(*nc_prefix_, m.nc_prefix, *this);
    ForwardTyping(*nc_start_, m.nc_start, *this);
    ForwardChoice(*post_option_, m.post_option, *this);
    ForwardChoice(*company_name_, m.company_name, *this);
    ForwardChoice(*work_offset_, m.work_offset, *this);
    ForwardChoice(*material_, m.material, *this);
}

void MainWindow::Refresh() {
    const MainWindowModel& m = *model_;
    int shown = static_cast<int>(version_labels_.size());  // the blank page: no version label
    for (std::size_t i = 0; i < m.version_labels.size(); ++i) {
        version_labels_[i]->setText(FromStd(m.version_labels[i].Caption));
        if (m.version_labels[i].Visible) shown = static_cast<int>(i);
    }
    version_stack_->setCurrentIndex(shown);
    const QSignalBlocker blockers[] = {QSignalBlocker(post_option_),  QSignalBlocker(company_name_),
                                       QSignalBlocker(work_offset_),  QSignalBlocker(material_),
                                       QSignalBlocker(project_list_), QSignalBlocker(survey_list_)};
    ShowComboBox(*post_option_, m.post_option);
    ShowComboBox(*company_name_, m.company_name);
    ShowComboBox(*work_offset_, m.work_offset);
    ShowComboBox(*material_, m.material);
    ShowTextBox(*item_name_, m.item_name);
    ShowTextBox(*part_name_, m.part_name);
    ShowTextBox(*nc_extension_, m.nc_extension);
    ShowTextBox(*nc_prefix_, m.nc_prefix);
    ShowTextBox(*nc_start_, m.nc_start);
    ShowList(*project_list_, m.project_list);
    ShowList(*survey_list_, m.survey_list);
    collision_check_->setChecked(m.collision_check.Value == 1);
    gouge_check_->setChecked(m.gouge_check.Value == 1);
    {
        const QSignalBlocker blocker(mark_changes_);
        mark_changes_->setChecked(m.mark_changes_check.Value == 1);
    }
    project_name_->setText(FromStd(m.project_name.Caption));
    project_folder_->setText(FromStd(m.project_folder.Caption));
    folder_panel_->Refresh();
    grid_->ShowGrid(m.toolpath_grid());
    status_panel_->setText(FromStd(m.status_bar));
    // Handlers run to completion without returning to the event loop: paint
    // the progress and the list's selection now, while the work goes on.
    status_panel_->repaint();
    survey_list_->repaint();
    ApplyWindowModel(*this, m);
}

}  // namespace orvalis::gui
