#pragma once
// Twips to pixels, and whether a control's caption fits its fixed box.

#include <QWidget>

namespace lineer::ui {

// 15 twips are one device-independent pixel.
constexpr int twips(int t) { return (t + 7) / 15; }

// Whether the text of a label, button, option button or text box is shown
// whole in the control's current size and font (trailing spaces aside).
bool textFits(const QWidget* w);

}  // namespace lineer::ui
