#pragma once
// Small behaviours of the form's controls that the toolkit does not have
// by itself.

#include <QString>

#include <functional>

class QLineEdit;
class QPushButton;

namespace lineer::ui {

inline constexpr const char* kReadingTip = "Kullanılacak değer: ";

// Whether `text` is read as a whole by the box rule (with the decimal
// comma of `decimal`), nothing of it ignored.
bool readsAsTyped(const QString& text, const QString& decimal);

// Keeps a parameter box marked (colour and the tooltip "Kullanılacak
// değer: <value>") while the number the method will use differs from what
// is typed. `decimal` gives the user's decimal symbol.
void markReading(QLineEdit* box, const QString& decimal);

// Enter and keypad Enter on the focused button press it, as Space does.
void pressOnEnter(QPushButton* button);

}  // namespace lineer::ui
