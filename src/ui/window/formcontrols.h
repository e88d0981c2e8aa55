#pragma once
// Small behaviours of the form's controls that the toolkit does not have
// by itself.

#include <QString>

#include <functional>

class QLineEdit;
class QPushButton;

namespace lineer::ui {

enum class Reading { Number, IterationLimit };

// Keeps a parameter box marked (colour and the tooltip "Kullanılacak
// değer: <value>", the value in the report's general form) while the box
// rule does not read the whole of what is typed, and an iteration limit
// also while it is below 1 (the tooltip then says that no sweep runs).
// `decimal` gives the user's decimal symbol.
void markReading(QLineEdit* box, const QString& decimal, Reading kind = Reading::Number);

// Enter and keypad Enter on the focused button press it, as Space does.
void pressOnEnter(QPushButton* button);

}  // namespace lineer::ui
