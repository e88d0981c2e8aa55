#pragma once
// The picture box: draws into a PictureCanvas and shows it, so what was
// drawn survives covering and repainting.

#include <QWidget>

#include "picturecanvas.h"

namespace lineer::ui {

class PictureBox : public QWidget, public PictureSurface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    PictureCanvas& canvas() { return canvas_; }
    const QImage& image() const { return canvas_.image(); }

    void clear() override;
    void print(const std::string& text) override;
    void scale(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(float cx, float cy, double radius) override;
    void colourMap(int rows, int cols, double deepest) override;
    void title(const std::string& text) override;

    QSize sizeHint() const override;

signals:
    // Something was drawn; sent once for a run of drawing operations.
    void pictureChanged();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    // Asks for one repaint however many drawing operations come before it.
    void changed();

    PictureCanvas canvas_;
    bool repaintPending_ = false;
};

}  // namespace lineer::ui
