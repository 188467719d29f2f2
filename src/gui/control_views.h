#pragma once

#include <QString>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace orvalis::forms {
class ComboBox;
class TextBox;
}  // namespace orvalis::forms

namespace orvalis::gui {

inline QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// A label and a frame captioned in the windows' caption font.
QLabel* CaptionLabel(const QString& text, QWidget* parent);
QGroupBox* CaptionFrame(const QString& caption, QWidget* parent);

// Shows a model control on its Qt widget without firing the widget's edit
// signals back at the model.
void ShowTextBox(QLineEdit& edit, const forms::TextBox& box);
void ShowComboBox(QComboBox& combo, const forms::ComboBox& box);

// Forwards what the user types into `edit` to the model's box, running its
// change handler. `box` must outlive `context`.
void ForwardTyping(QLineEdit& edit, forms::TextBox& box, QObject& context);
// Forwards the user's choice of an entry to the model's combo box.
void ForwardChoice(QComboBox& combo, forms::ComboBox& box, QObject& context);

}  // namespace orvalis::gui
