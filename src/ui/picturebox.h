#pragma once
// The picture box: shows a PictureCanvas, so what was drawn survives
// covering and repainting.

#include <QWidget>

#include "picturecanvas.h"

namespace lineer::ui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    PictureCanvas& canvas() { return canvas_; }
    const QImage& image() const { return canvas_.image(); }

    void clear();
    void print(const std::string& text);
    void scale(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2, Rgb colour);
    void circle(float cx, float cy, double radius);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // Asks for one repaint however many drawing operations come before it.
    void changed();

    PictureCanvas canvas_;
    bool repaintPending_ = false;
};

}  // namespace lineer::ui
