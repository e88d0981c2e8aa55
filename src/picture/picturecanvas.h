#pragma once
// The picture box's drawing, kept in an image of its own: a fixed-size
// QImage with a user coordinate system, a print position and the five
// picture operations. Needs only QtGui, so the command line draws with the
// same code offscreen.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPointF>

#include <memory>

#include "host.h"
#include "picturerecord.h"

namespace lineer::ui {

class PictureCanvas : public PictureSurface {
public:
    static constexpr int kWidth = kPictureBoxWidth;
    static constexpr int kHeight = kPictureBoxHeight;
    static const QColor kBackground;
    static const QColor kForeground;
    // Printed text stands this many pixels right of and below the print
    // position.
    static constexpr int kTextInset = 3;
    // The most circles the record keeps.
    static constexpr std::size_t kRecordedCircles = 1000000;

    PictureCanvas(int width = kWidth, int height = kHeight);
    // The circle painter points into this canvas's own image.
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;
    PictureCanvas(PictureCanvas&&) = delete;
    PictureCanvas& operator=(PictureCanvas&&) = delete;

    void clear() override;
    void print(const std::string& text) override;
    void scale(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(float cx, float cy, double radius) override;
    void colourMap(int rows, int cols, double deepest) override;
    void title(const std::string& text) override;

    // What has been drawn since the last clear, to be drawn again larger.
    const PictureRecord& record() const { return record_; }

    const QImage& image() const {
        finishCircles();
        return image_;
    }
    // Where the next printed line starts, in pixels.
    QPoint printPosition() const { return printPos_; }
    // A point in user coordinates mapped to pixels (not rounded).
    QPointF toPixels(double x, double y) const;

private:
    // Circles come by the thousand in a long iteration: one painter serves
    // a whole run of them and ends before anything else touches the image.
    void finishCircles() const;

    QImage image_;
    PictureRecord record_;
    // Declared after the image, so it ends before the image goes.
    mutable std::unique_ptr<QPainter> circlePainter_;
    QFont font_;
    QPoint printPos_{0, 0};
    // The user coordinate system: its top-left and bottom-right corners.
    double left_ = 0, top_ = 0, right_, bottom_;
};

}  // namespace lineer::ui
