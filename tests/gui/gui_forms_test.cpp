#include "gui/gui_forms.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include "gui/fonts.h"
#include "gui/qt_catalogue.h"

namespace orvalis::gui {
namespace {

// What a message box showed before the test pressed one of its buttons.
struct Shown {
    QStringList buttons;
    QString default_button;
};

// Presses `press` on the next message box once it is up, noting what it showed.
void PressWhenShown(Shown& shown, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&shown, press] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible()) continue;
            for (QAbstractButton* button : box->buttons()) shown.buttons << button->text();
            shown.buttons.sort();
            if (box->defaultButton()) shown.default_button = box->defaultButton()->text();
            box->button(press)->click();
            return;
        }
        ADD_FAILURE() << "no message box was shown";
    });
}

TEST(GuiForms, MessageBoxesAndQuestionsAnswerInKorean) {
    GuiForms gui;
    Shown message;
    PressWhenShown(message, QMessageBox::Ok);
    gui.Message({"파워밀에 연결되지 않았습니다", "ORVALIS", forms::MessageIcon::kCritical});
    EXPECT_EQ(message.buttons, QStringList{QStringLiteral("확인")});

    struct Case {
        bool default_no;
        QMessageBox::StandardButton press;
        const char* default_text;
        bool answer;
    };
    for (const Case& c : {Case{true, QMessageBox::Yes, "아니요", true},
                          Case{false, QMessageBox::No, "예", false}}) {
        Shown question;
        PressWhenShown(question, c.press);
        forms::MessageText text{"바꾸시겠습니까?", "NC POST", forms::MessageIcon::kQuestion};
        text.default_no = c.default_no;
        EXPECT_EQ(gui.Confirm(text), c.answer);
        EXPECT_EQ(question.buttons, (QStringList{QStringLiteral("아니요"), QStringLiteral("예")}));
        EXPECT_EQ(question.default_button, QString::fromUtf8(c.default_text));
    }
}

// Qt's own dialogs read Korean where the program's Qt finds its catalogue:
// on Windows that is the translations folder put beside the program.
TEST(QtKoreanCatalogue, QtsOwnStandardButtonsReadKorean) {
    QCoreApplication& app = *QCoreApplication::instance();
    ASSERT_TRUE(InstallQtKoreanCatalogue(app));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("예(&Y)"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("아니요(&N)"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("취소"));
    for (QTranslator* translator : app.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// At the grid's size a decimal point must not pass for a comma: the comma
// reaches below the line the point sits on, and the two glyphs differ by more
// ink than two whole pixels hold (summed over their smoothed edges: small
// renderings, as Qt's offscreen platform on Windows makes, spread the
// difference over several grey pixels).
TEST(FlexGridView, ThePointAndTheCommaOfTheGridFontDiffer) {
    QFont font = GridFont();
    QFontMetrics metrics(font);
    QRect point = metrics.tightBoundingRect(QStringLiteral("."));
    QRect comma = metrics.tightBoundingRect(QStringLiteral(","));
    EXPECT_GT(comma.bottom(), point.bottom());
    EXPECT_GT(comma.bottom(), 0);  // below the baseline
    auto glyph = [&font, &metrics](const QString& text) {
        QImage image(metrics.height(), metrics.height(), QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(2, metrics.ascent(), text);
        return image;
    };
    QImage a = glyph(QStringLiteral(".")), b = glyph(QStringLiteral(","));
    int ink_difference = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            ink_difference += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        }
    }
    EXPECT_GT(ink_difference, 2 * 255);
}

}  // namespace
}  // namespace orvalis::gui
