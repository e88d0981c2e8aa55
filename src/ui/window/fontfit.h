#pragma once
// Whether a control's caption fits its fixed box, and the form's font
// chosen so that every caption does.

#include <QWidget>

#include <initializer_list>
#include <span>

class QLabel;
class QLineEdit;

namespace lineer::ui {

// Whether the text of a label, button, option button or text box is shown
// whole in the control's current size and font (trailing spaces aside).
bool textFits(const QWidget* w);

// Sets on `form` the largest pixel size, 12 down to 8, at which the caption
// of every label, button and text box in it fits its box, in a condensed
// face where one is installed, else in the default family; the `headings`
// take the same font, bold and underlined.
void chooseFormFont(QWidget* form, std::span<QLabel* const> headings);

// Makes each box wide enough for ten digits in its font: it keeps its top
// and height and grows to the left, up to a small margin inside `frame`.
void widenBoxes(std::initializer_list<QLineEdit*> boxes, const QWidget* frame);

}  // namespace lineer::ui
