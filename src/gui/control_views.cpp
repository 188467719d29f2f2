#include "gui/control_views.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

#include "controls/controls.h"
#include "gui/fonts.h"

namespace orvalis::gui {

QLabel* CaptionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(CaptionFont());
    return label;
}

QGroupBox* CaptionFrame(const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setFont(CaptionFont());
    return frame;
}

void ShowTextBox(QLineEdit& edit, const forms::TextBox& box) {
    QString text = FromStd(box.Text());
    if (edit.text() != text) edit.setText(text);
}

void ShowComboBox(QComboBox& combo, const forms::ComboBox& box) {
    const QSignalBlocker blocker(combo);
    QStringList items;
    for (const auto& item : box.Items()) items << FromStd(item);
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i) shown << combo.itemText(i);
    if (shown != items) {
        combo.clear();
        combo.addItems(items);
    }
    combo.setCurrentIndex(box.ListIndex());
    // An editable combo may hold a text that is none of its entries.
    if (combo.isEditable() && combo.currentText() != FromStd(box.Text())) {
        combo.setEditText(FromStd(box.Text()));
    }
}

void ForwardTyping(QLineEdit& edit, forms::TextBox& box, QObject& context) {
    QObject::connect(&edit, &QLineEdit::textEdited, &context,
                     [&box](const QString& text) { box.SetText(text.toStdString()); });
}

void ForwardChoice(QComboBox& combo, forms::ComboBox& box, QObject& context) {
    QObject::connect(&combo, &QComboBox::activated, &context,
                     [&box](int index) { box.SetListIndex(index); });
    if (combo.isEditable()) {
        QObject::connect(&combo, &QComboBox::editTextChanged, &context,
                         [&box](const QString& text) { box.SetText(text.toStdString()); });
    }
}

}  // namespace orvalis::gui
