#include "picturecanvas.h"

#include "vectorstate.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace lineer::ui {

const QColor PictureCanvas::kBackground{255, 255, 255};
const QColor PictureCanvas::kForeground{0, 0, 0};

namespace {

// Keeps a pixel coordinate within a range QPainter handles; far-off points
// only need to stay far off.
double clampPixel(double v) { return std::clamp(v, -1.0e6, 1.0e6); }

}  // namespace

PictureCanvas::PictureCanvas(int width, int height)
    : image_(width, height, QImage::Format_RGB32), right_(width), bottom_(height) {
    font_.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font_.setPixelSize(12);
    image_.fill(kBackground);
}

void PictureCanvas::finishCircles() const { circlePainter_.reset(); }

void PictureCanvas::clear() {
    finishCircles();
    image_.fill(kBackground);
    printPos_ = QPoint(0, 0);
    record_.clear();
}

void PictureCanvas::print(const std::string& text) {
    finishCircles();
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(kForeground);
    const QFontMetrics fm(font_);
    // Printed lines stand a little off the box's edges, clear of its border.
    p.drawText(QPoint(printPos_.x() + kTextInset, printPos_.y() + kTextInset + fm.ascent()),
               QString::fromStdString(text));
    record_.texts.push_back(QString::fromStdString(text));
    printPos_ = QPoint(0, printPos_.y() + fm.height());
}

void PictureCanvas::scale(double x1, double y1, double x2, double y2) {
    // A system without extent (or with a corner that is not a number) would
    // divide by zero when mapping; the previous system stays in force.
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    if (!std::isfinite(x2 - x1) || !std::isfinite(y2 - y1) || x2 - x1 == 0 || y2 - y1 == 0) return;
    left_ = x1;
    top_ = y1;
    right_ = x2;
    bottom_ = y2;
}

QPointF PictureCanvas::toPixels(double x, double y) const {
    const double px = (x - left_) / (right_ - left_) * image_.width();
    const double py = (y - top_) / (bottom_ - top_) * image_.height();
    return {px, py};
}

void PictureCanvas::box(double x1, double y1, double x2, double y2, Rgb colour) {
    const QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return;
    const double w = image_.width(), h = image_.height();
    record_.boxes.push_back({QRectF(QPointF(a.x() / w, a.y() / h), QPointF(b.x() / w, b.y() / h)).normalized(),
                             QColor(colour.r, colour.g, colour.b)});
    // Both corners belong to the box, so neighbouring boxes share their
    // edge pixels and the later one covers them.
    const double l = std::round(clampPixel(std::min(a.x(), b.x())));
    const double r = std::round(clampPixel(std::max(a.x(), b.x())));
    const double t = std::round(clampPixel(std::min(a.y(), b.y())));
    const double btm = std::round(clampPixel(std::max(a.y(), b.y())));
    const int x0 = static_cast<int>(std::max(l, 0.0));
    const int xe = static_cast<int>(std::min(r, image_.width() - 1.0));
    const int y0 = static_cast<int>(std::max(t, 0.0));
    const int ye = static_cast<int>(std::min(btm, image_.height() - 1.0));
    if (x0 > xe || y0 > ye) return;
    finishCircles();
    QPainter p(&image_);
    p.fillRect(QRect(QPoint(x0, y0), QPoint(xe, ye)), QColor(colour.r, colour.g, colour.b));
}

void PictureCanvas::circle(float cx, float cy, double radius) {
    const QPointF c = toPixels(cx, cy);
    // The radius counts in horizontal units, so the circle stays round on
    // screen whatever the vertical scale.
    const double rp = std::fabs(radius / (right_ - left_) * image_.width());
    if (!std::isfinite(c.x()) || !std::isfinite(c.y()) || !std::isfinite(rp)) return;
    if (rp > 1.0e6) return;
    // A run of millions of sweeps keeps its first million circles for the
    // larger drawing; the box itself draws them all.
    if (record_.circles.empty()) {
        record_.plotLeft = left_;
        record_.plotTop = top_;
        record_.plotRight = right_;
        record_.plotBottom = bottom_;
    }
    if (record_.circles.size() < kRecordedCircles) record_.circles.push_back({cx, cy, radius});
    if (!circlePainter_) {
        circlePainter_ = std::make_unique<QPainter>(&image_);
        circlePainter_->setPen(kForeground);
        circlePainter_->setBrush(Qt::NoBrush);
    }
    circlePainter_->drawEllipse(QPointF(clampPixel(c.x()), clampPixel(c.y())), rp, rp);
    cleanVectorState();
}

void PictureCanvas::colourMap(int rows, int cols, double deepest) {
    record_.mapRows = rows;
    record_.mapCols = cols;
    record_.mapDeepest = deepest;
}

void PictureCanvas::title(const std::string& text) { record_.plotTitle = QString::fromStdString(text); }

}  // namespace lineer::ui
