#pragma once
// Whether a control's caption fits its fixed box.

#include <QWidget>

namespace lineer::ui {

// Whether the text of a label, button, option button or text box is shown
// whole in the control's current size and font (trailing spaces aside).
bool textFits(const QWidget* w);

}  // namespace lineer::ui
