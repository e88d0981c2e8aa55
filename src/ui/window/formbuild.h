#pragma once
// Making the form's controls: each placed in twips inside its container,
// as the window's table gives it.

#include <QColor>
#include <QLatin1String>
#include <QProxyStyle>
#include <QWidget>

class QLabel;

namespace lineer::ui {

// Sets the geometry of `w` in twips: left, top, width and height inside
// its container.
void place(QWidget* w, int left, int top, int width, int height);

// A new control of kind W (made with its container alone) named `name`,
// placed in twips.
template <class W>
W* placed(QWidget* container, const char* name, int left, int top, int width, int height) {
    auto* w = new W(container);
    w->setObjectName(QLatin1String(name));
    place(w, left, top, width, height);
    return w;
}

// A label of plain text, left and vertically centred, placed in twips.
QLabel* placedLabel(QWidget* container, const char* name, int left, int top, int width, int height);

// The colour of the text of a label, a button or a text box.
void setTextColour(QWidget* w, const QColor& c);

// The table gives some option buttons a height below the style's circle:
// every circle shrinks to fit the lowest button, instead of being cut off
// there. `largest` is the largest circle in pixels.
class FittingIndicator : public QProxyStyle {
public:
    explicit FittingIndicator(int largest) : largest_(largest) {}
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override;

private:
    int largest_;
};

}  // namespace lineer::ui
