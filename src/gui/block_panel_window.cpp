#include "gui/block_panel_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/fonts.h"
#include "gui/window_sync.h"
#include "window_models/block_panel_model.h"

namespace orvalis::gui {

namespace {

// The panel's layout is given in twips; 15 twips make a pixel at 96 dpi. The
// controls keep their arrangement, moved right and down by the room the
// axis and column labels take.
constexpr int kLabelWidth = 22;
constexpr int kLabelHeight = 18;

QRect Twips(int left, int top, int width, int height) {
    return QRect(left / 15 + kLabelWidth, top / 15 + kLabelHeight, width / 15, height / 15);
}

}  // namespace

BlockPanelWindow::BlockPanelWindow(std::shared_ptr<BlockPanelModel> model, MarkAction mark,
                                   QWidget* parent)
    : QWidget(parent),
      mark_(std::move(mark)),
      model_(std::move(model)),
      block_button_(new QPushButton(QStringLiteral("블럭"), this)),
      capture_button_(new QPushButton(QStringLiteral("캡처"), this)),
      survey_list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("블럭 한계"));
    struct Place {
        int left, top;
        const char* tip;
    };
    // Left column the minima, right column the maxima, one row per axis.
    const Place places[] = {{240, 240, "X 최소"},  {1560, 240, "X 최대"}, {240, 840, "Y 최소"},
                            {1560, 840, "Y 최대"}, {240, 1440, "Z 최소"}, {1560, 1440, "Z 최대"}};
    for (int index = 1; index <= 6; ++index) {
        const Place& place = places[index - 1];
        auto* box = new QLineEdit(this);
        box->setGeometry(Twips(place.left, place.top, 975, 375));
        box->setToolTip(QString::fromUtf8(place.tip));
        box->setFont(GridFont());  // "1.5" must not pass for "1,5"
        // Every edit reaches the model, which refuses a text that is no
        // number with a message naming the box and puts the last number
        // back; a validator would drop the keystroke without a word
        // ("1,5" would become 15).
        connect(box, &QLineEdit::textEdited, this, [this, index](const QString& text) {
            model_->LimitBox(index).SetText(text.toStdString());
        });
        boxes_[static_cast<std::size_t>(index - 1)] = box;
    }
    AddLabels();
    block_button_->setGeometry(Twips(2880, 240, 1335, 495));
    capture_button_->setGeometry(Twips(2880, 1320, 1335, 495));
    for (QPushButton* button : {block_button_, capture_button_}) button->setFont(ButtonFont());
    // Scratch storage for the label being built; it lies under "캡처" and is not shown.
    survey_list_->setGeometry(Twips(2880, 1440, 975, 240));
    survey_list_->hide();
    setFixedSize(Twips(0, 0, 2880 + 1335 + 240, 1440 + 375 + 240).size() +
                 QSize(kLabelWidth, kLabelHeight));
    PlaceOnScreen(*this);

    connect(block_button_, &QPushButton::clicked, this, [this] { model_->ClickBlock(); });
    connect(capture_button_, &QPushButton::clicked, this, [this] {
        mark_("capture");
        closing_ = true;  // the run closes the panel itself
        model_->ClickCapture();
    });
    model_->Changed = [this] { Refresh(); };
    Refresh();
}

// Which box is which: the axis beside each row, 최소 / 최대 above the columns.
void BlockPanelWindow::AddLabels() {
    auto label = [this](const char* text, QRect place) {
        auto* shown = new QLabel(QString::fromUtf8(text), this);
        shown->setFont(ListFont());
        shown->setAlignment(Qt::AlignCenter);
        shown->setGeometry(place);
    };
    const std::pair<const char*, int> axes[] = {{"X", 240}, {"Y", 840}, {"Z", 1440}};
    for (auto [axis, top] : axes) {
        label(axis, QRect(2, Twips(0, top, 0, 375).top(), kLabelWidth - 4, 375 / 15));
    }
    const std::pair<const char*, int> columns[] = {{"최소", 240}, {"최대", 1560}};
    for (auto [column, left] : columns) {
        label(column, QRect(Twips(left, 0, 975, 0).left(), 16, 975 / 15, kLabelHeight));
    }
}

void BlockPanelWindow::Refresh() {
    for (int index = 1; index <= 6; ++index) {
        QString text = QString::fromStdString(model_->LimitBox(index).Text());
        QLineEdit* box = boxes_[static_cast<std::size_t>(index - 1)];
        if (box->text() != text) box->setText(text);
    }
    capture_button_->setEnabled(model_->capture_button.Enabled);
    survey_list_->clear();
    for (const auto& item : model_->label_characters.Items())
        survey_list_->addItem(QString::fromStdString(item));
    ApplyWindowModel(*this, *model_);
}

// Closing the panel by hand unloads it, which brings the main window back.
void BlockPanelWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        model_->Unload();
    }
    event->accept();
}

}  // namespace orvalis::gui
