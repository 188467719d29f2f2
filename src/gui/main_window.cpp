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

QPushButton* MainWindow::AddButton(int number, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setFont(ButtonFont());
    commands_.at(static_cast<std::size_t>(number)) = button;
    return button;
}

QPushButton* MainWindow::Command(int number) const {
    return commands_.at(static_cast<std::size_t>(number));
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
    combo4_ = new QComboBox(check);
    check1_ = new QCheckBox(QStringLiteral("충돌 간섭"), check);
    check2_ = new QCheckBox(QStringLiteral("과절삭"), check);
    check_layout->addWidget(combo4_);
    check_layout->addWidget(AddButton(8, QStringLiteral("공구설정")));
    check_layout->addWidget(check1_);
    check_layout->addWidget(check2_);
    layout->addWidget(check);

    auto* order = CaptionFrame(QStringLiteral("작업 지시서"), sheet);
    auto* grid = new QGridLayout(order);
    combo2_ = new QComboBox(order);
    combo3_ = new QComboBox(order);
    text1_ = new QLineEdit(order);
    text2_ = new QLineEdit(order);
    grid->addWidget(CaptionLabel(QStringLiteral("회사명"), order), 0, 0);
    grid->addWidget(combo2_, 0, 1);
    grid->addWidget(CaptionLabel(QStringLiteral("좌 표"), order), 0, 2);
    grid->addWidget(combo3_, 0, 3);
    grid->addWidget(CaptionLabel(QStringLiteral("품  명"), order), 1, 0);
    grid->addWidget(text1_, 1, 1);
    grid->addWidget(CaptionLabel(QStringLiteral("부품명"), order), 1, 2);
    grid->addWidget(text2_, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    text2_->setMinimumWidth(120);
    layout->addWidget(order);

    auto* extension = new QHBoxLayout;
    text3_ = new QLineEdit(sheet);
    text3_->setMaximumWidth(80);
    extension->addWidget(CaptionLabel(QStringLiteral("확장자"), sheet));
    extension->addWidget(text3_);
    extension->addStretch(1);
    layout->addLayout(extension);
    layout->addStretch(1);
    return sheet;
}

QWidget* MainWindow::BuildToolpathFrame() {
    auto* frame = CaptionFrame(QStringLiteral("ToolPatH List"), this);
    auto* layout = new QGridLayout(frame);
    list1_ = new QListWidget(frame);
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    list2_ = new QListWidget(frame);
    for (QListWidget* list : {list1_, list2_}) {
        // Toolpath names hold sizes ("D10R0.5"): the grid's font, whose
        // point and comma differ.
        list->setFont(GridFont());
        list->setMinimumWidth(150);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(AddButton(1, QStringLiteral(">>")));
    buttons->addWidget(AddButton(6, QStringLiteral(">")));
    buttons->addWidget(AddButton(7, QStringLiteral("<")));
    buttons->addWidget(AddButton(10, QStringLiteral("<<")));
    buttons->addStretch(1);
    layout->addWidget(list1_, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(list2_, 0, 2);
    layout->addWidget(AddButton(5, QStringLiteral("LIST UPDATA")), 1, 0);
    layout->addWidget(AddButton(14, QStringLiteral("불러오기")), 1, 2);
    return frame;
}

QWidget* MainWindow::BuildProjectFrame() {
    auto* frame = new QWidget(this);
    auto* layout = new QGridLayout(frame);
    label9_ = new QLabel(frame);
    label8_ = new QLabel(frame);
    for (QLabel* label : {label9_, label8_}) {
        label->setFont(ListFont());
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFrameShape(QFrame::StyledPanel);
    }
    layout->addWidget(CaptionLabel(QStringLiteral("POWERMILL NAME>>"), frame), 0, 0);
    layout->addWidget(label9_, 0, 1);
    layout->addWidget(CaptionLabel(QStringLiteral("파일 위치:>>"), frame), 1, 0);
    layout->addWidget(label8_, 1, 1);
    sstab1_ = new QTabWidget(frame);
    sstab1_->setFont(CaptionFont());
    folder_panel_ = new FolderPanelView(model_, sstab1_);
    sstab1_->addTab(folder_panel_, QStringLiteral("위치1"));
    for (const char* tab : {"위치2", "위치3", "위치4"}) {
        sstab1_->addTab(new QWidget(sstab1_), QString::fromUtf8(tab));
    }
    layout->addWidget(sstab1_, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return frame;
}

QWidget* MainWindow::BuildLowerFrame() {
    auto* frame = new QGroupBox(this);
    auto* layout = new QVBoxLayout(frame);
    auto* row = new QHBoxLayout;
    text8_ = new QLineEdit(frame);
    text10_ = new QLineEdit(frame);
    combo1_ = new QComboBox(frame);
    combo1_->setEditable(true);
    combo1_->setMinimumWidth(180);
    for (QLineEdit* edit : {text8_, text10_}) edit->setMaximumWidth(110);
    row->addWidget(CaptionLabel(QStringLiteral("이름"), frame));
    row->addWidget(text8_);
    row->addWidget(CaptionLabel(QStringLiteral("시작 위치"), frame));
    row->addWidget(text10_);
    row->addWidget(combo1_);
    row->addWidget(AddButton(2, QStringLiteral("NC POST")));
    row->addWidget(AddButton(3, QStringLiteral("시트 만들기")));
    mark_changes_ = new QCheckBox(FromStd(model_->mark_changes_check.Caption), frame);
    mark_changes_->setToolTip(
        QStringLiteral("같은 이름의 시트를 바꿀 때, 그 뒤로 바뀐 칸과 새 "
                       "툴패스를 색으로 표시하고 지워진 툴패스를 적습니다"));
    row->addWidget(mark_changes_);
    row->addWidget(AddButton(13, QStringLiteral("그림")));
    QPushButton* capture = AddButton(15, QString());
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
    connect(Command(1), &QPushButton::clicked, this, [&m] { m.ClickAddAll(); });
    connect(Command(6), &QPushButton::clicked, this, [&m] { m.ClickAddSelected(); });
    connect(Command(7), &QPushButton::clicked, this, [&m] { m.ClickRemoveSelected(); });
    connect(Command(10), &QPushButton::clicked, this, [&m] { m.ClickRemoveAll(); });
    connect(Command(5), &QPushButton::clicked, this, [&m] { m.ClickRefreshToolpaths(); });
    // A click that talks to the host first marks its action in the transcript.
    auto marked = [this, &m](const char* action, void (MainWindowModel::*click)()) {
        return [this, &m, action, click] {
            mark_(action);
            (m.*click)();
        };
    };
    connect(Command(14), &QPushButton::clicked, this,
            marked("survey", &MainWindowModel::ClickSurvey));
    connect(Command(15), &QPushButton::clicked, this,
            marked("block", &MainWindowModel::ClickCapture));
    connect(Command(2), &QPushButton::clicked, this, marked("post", &MainWindowModel::ClickPostNc));
    connect(Command(3), &QPushButton::clicked, this,
            marked("sheet", &MainWindowModel::ClickSetupSheet));
    connect(Command(13), &QPushButton::clicked, this,
            marked("pictures", &MainWindowModel::ClickPictures));
    connect(Command(8), &QPushButton::clicked, this, [&m] { m.ClickToolSettings(); });
    connect(check1_, &QCheckBox::clicked, this,
            marked("collision", &MainWindowModel::ClickCollisionCheck));
    connect(check2_, &QCheckBox::clicked, this,
            marked("gouge", &MainWindowModel::ClickGougeDisplay));
    connect(mark_changes_, &QCheckBox::toggled, this,
            [&m](bool checked) { m.mark_changes_check.Value = checked ? 1 : 0; });

    connect(list1_, &QListWidget::itemSelectionChanged, this, [this, &m] {
        for (int i = 0; i < list1_->count(); ++i)
            m.List1.SetSelected(i, list1_->item(i)->isSelected());
    });
    connect(list2_, &QListWidget::currentRowChanged, this, [&m](int row) {
        if (row < m.survey_list.ListCount()) m.survey_list.SetListIndex(row);
    });
    ForwardTyping(*text1_, m.Text1, *this);
    ForwardTyping(*text2_, m.Text2, *this);
    ForwardTyping(*text3_, m.Text3, *this);
    ForwardTyping(*text8_, m.nc_prefix, *this);
    ForwardTyping(*text10_, m.nc_start, *this);
    ForwardChoice(*combo1_, m.Combo1, *this);
    ForwardChoice(*combo2_, m.Combo2, *this);
    ForwardChoice(*combo3_, m.Combo3, *this);
    ForwardChoice(*combo4_, m.Combo4, *this);
}

void MainWindow::Refresh() {
    const MainWindowModel& m = *model_;
    const forms::Label* labels[] = {&m.Label11, &m.Label12, &m.Label13,
                                    &m.Label14, &m.Label15, &m.Label16};
    int shown = static_cast<int>(version_labels_.size());  // the blank page: no version label
    for (int i = 0; i < 6; ++i) {
        version_labels_[static_cast<std::size_t>(i)]->setText(FromStd(labels[i]->Caption));
        if (labels[i]->Visible) shown = i;
    }
    version_stack_->setCurrentIndex(shown);
    const QSignalBlocker blockers[] = {QSignalBlocker(combo1_), QSignalBlocker(combo2_),
                                       QSignalBlocker(combo3_), QSignalBlocker(combo4_),
                                       QSignalBlocker(list1_),  QSignalBlocker(list2_)};
    ShowComboBox(*combo1_, m.Combo1);
    ShowComboBox(*combo2_, m.Combo2);
    ShowComboBox(*combo3_, m.Combo3);
    ShowComboBox(*combo4_, m.Combo4);
    ShowTextBox(*text1_, m.Text1);
    ShowTextBox(*text2_, m.Text2);
    ShowTextBox(*text3_, m.Text3);
    ShowTextBox(*text8_, m.nc_prefix);
    ShowTextBox(*text10_, m.nc_start);
    ShowList(*list1_, m.List1);
    ShowList(*list2_, m.survey_list);
    check1_->setChecked(m.Check1.Value == 1);
    check2_->setChecked(m.Check2.Value == 1);
    {
        const QSignalBlocker blocker(mark_changes_);
        mark_changes_->setChecked(m.mark_changes_check.Value == 1);
    }
    label9_->setText(FromStd(m.Label9.Caption));
    label8_->setText(FromStd(m.Label8.Caption));
    folder_panel_->Refresh();
    grid_->ShowGrid(m.toolpath_grid());
    status_panel_->setText(FromStd(m.StatusBar1));
    // Handlers run to completion without returning to the event loop: paint
    // the progress and the list's selection now, while the work goes on.
    status_panel_->repaint();
    list2_->repaint();
    ApplyWindowModel(*this, m);
}

}  // namespace orvalis::gui
