#include "picturebox.h"

#include <QPainter>

namespace lineer::ui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(PictureCanvas::kWidth, PictureCanvas::kHeight);
}

QSize PictureBox::sizeHint() const { return {PictureCanvas::kWidth, PictureCanvas::kHeight}; }

void PictureBox::clear() {
    canvas_.clear();
    changed();
}

void PictureBox::print(const std::string& text) {
    canvas_.print(text);
    changed();
}

void PictureBox::scale(double x1, double y1, double x2, double y2) { canvas_.scale(x1, y1, x2, y2); }

void PictureBox::box(double x1, double y1, double x2, double y2, Rgb colour) {
    canvas_.box(x1, y1, x2, y2, colour);
    changed();
}

void PictureBox::circle(float cx, float cy, double radius) {
    canvas_.circle(cx, cy, radius);
    changed();
}

void PictureBox::colourMap(int rows, int cols, double deepest) { canvas_.colourMap(rows, cols, deepest); }

void PictureBox::title(const std::string& text) { canvas_.title(text); }

void PictureBox::changed() {
    if (repaintPending_) return;
    repaintPending_ = true;
    update();
    emit pictureChanged();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

void PictureBox::paintEvent(QPaintEvent*) {
    repaintPending_ = false;
    QPainter p(this);
    p.drawImage(0, 0, canvas_.image());
    // A thin border marks the box on the window; it is not part of the
    // drawing.
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace lineer::ui
