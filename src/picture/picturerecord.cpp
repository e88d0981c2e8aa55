#include "picturerecord.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "numformat.h"
#include "plotdrawing.h"
#include "plots.h"
#include "texts.h"

namespace lineer::ui {

namespace {

QString qtext(PlainText key) { return QString::fromUtf8(text(key).data(), static_cast<qsizetype>(text(key).size())); }

// Colour k of the colour map's ramp (white at 0, deep red at 15).
QColor rampColour(int k) { return QColor(255, 255 - 16 * k, 255 - 16 * k); }

// The smallest of 1, 2, 5, 10, 20, 25, 50, ... whose span is at least
// `room` when one step takes `each`.
int labelStep(double each, double room) {
    static const int steps[] = {1, 2, 5, 10, 20, 25, 50, 100};
    for (int s : steps)
        if (s * each >= room) return s;
    return 100;
}

QString tickText(double v, double step, const std::string& decimal) {
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 15);
    return QString::fromStdString(formatRounded(v, decimals, decimal));
}

// Printed lines at the top of the area; returns the height they take.
double drawTexts(QPainter& p, const QRectF& area, const PictureRecord& r, const QFontMetricsF& fm) {
    double y = area.top();
    for (const QString& t : r.texts) {
        p.drawText(QPointF(area.left() + fm.averageCharWidth() / 2, y + fm.ascent()), t);
        y += fm.height();
    }
    return y - area.top();
}

void drawColourMap(QPainter& p, const QRectF& area, const PictureRecord& r, const QFontMetricsF& fm,
                   const std::string& decimal) {
    const int n = r.mapRows, m = r.mapCols;
    const double pad = fm.height() / 2;
    const QString deepest = std::isfinite(r.mapDeepest) ? QString::fromStdString(formatFixed4(r.mapDeepest, decimal))
                                                        : QString();
    const double numbersW = fm.horizontalAdvance(QStringLiteral("100")) + pad;
    const double barW = fm.height() * 1.2;
    const double scaleW = pad * 2 + barW + pad / 2 +
                          std::max(fm.horizontalAdvance(deepest), fm.horizontalAdvance(QStringLiteral("0")));
    const double x0 = area.left() + numbersW;
    const double y0 = area.top() + fm.height() + pad / 2;
    const double cell = std::max(0.0, std::min((area.width() - numbersW - scaleW) / m, (area.bottom() - y0 - pad) / n));
    if (cell <= 0) return;

    // A box's corners are fractions of a picture m units wide and m high.
    const double unit = cell * m;
    p.setPen(Qt::NoPen);
    for (const PictureRecord::Box& b : r.boxes)
        p.fillRect(QRectF(x0 + b.rect.left() * unit, y0 + b.rect.top() * unit, b.rect.width() * unit,
                          b.rect.height() * unit),
                   b.colour);
    const QRectF grid(x0, y0, cell * m, cell * n);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);

    const int rowStep = labelStep(cell, fm.height() * 1.1);
    for (int i = 1; i <= n; ++i) {
        if (i != 1 && i % rowStep != 0) continue;
        const QRectF at(area.left(), y0 + (i - 1) * cell + cell / 2 - fm.height() / 2, numbersW - pad / 2, fm.height());
        p.drawText(at, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(intText(i)));
    }
    const int colStep = labelStep(cell, fm.horizontalAdvance(QStringLiteral("100")) + pad);
    for (int j = 1; j <= m; ++j) {
        if (j != 1 && j % colStep != 0) continue;
        const double cx = x0 + (j - 1) * cell + cell / 2;
        p.drawText(QRectF(cx - numbersW, area.top(), 2 * numbersW, fm.height()), Qt::AlignCenter,
                   QString::fromStdString(intText(j)));
    }

    // The scale: sixteen swatches, white (0) at the bottom, the deepest
    // colour at the top with the value it stands for.
    const double bx = grid.right() + pad * 2;
    const double bh = std::max(grid.height(), fm.height() * 4);
    const double sw = bh / 16;
    for (int k = 0; k < 16; ++k) p.fillRect(QRectF(bx, y0 + bh - (k + 1) * sw, barW, sw), rampColour(k));
    p.drawRect(QRectF(bx, y0, barW, bh));
    const double tx = bx + barW + pad / 2;
    p.drawText(QRectF(tx, y0 + bh - fm.height(), scaleW, fm.height()), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("0"));
    if (!deepest.isEmpty()) p.drawText(QRectF(tx, y0, scaleW, fm.height()), Qt::AlignLeft | Qt::AlignTop, deepest);
}

}  // namespace

std::vector<double> axisTicks(double lo, double hi, int count) {
    if (!(hi > lo) || !std::isfinite(hi - lo) || count < 1) return {lo};
    const double raw = (hi - lo) / count;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / mag;
    const double step = (norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10) * mag;
    std::vector<double> ticks;
    const double first = std::ceil(lo / step - 1e-9);
    for (int k = 0; k < 100; ++k) {
        const double v = (first + k) * step;
        if (v > hi + step * 1e-9) break;
        // A tick that is 0 up to rounding is 0.
        ticks.push_back(std::fabs(v) < step * 1e-9 ? 0.0 : v);
    }
    if (ticks.empty()) ticks.push_back(lo);
    return ticks;
}

plots::Plot recordPlot(const PictureRecord& record, bool log, const std::string& decimal) {
    std::vector<plots::Point> circles;
    circles.reserve(record.circles.size());
    for (const PictureRecord::Circle& c : record.circles) circles.push_back({c.x, c.y});
    return plots::sorPicture(circles, record.plotTitle.toStdString(), log, decimal);
}

QFont pictureFont(const QRectF& area, int dpi) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    // A thirty-second of the shorter side, in the device's own pixels
    // (a printer has many more to the inch than a screen).
    const double pixels = std::max(7.0, std::min(area.width(), area.height()) / 32);
    font.setPointSizeF(pixels * 72.0 / (dpi > 0 ? dpi : 96));
    return font;
}

void drawPicture(QPainter& p, const QRectF& area, const PictureRecord& record, const std::string& decimal,
                 bool logPlot) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QFont font = pictureFont(area, p.device() ? p.device()->logicalDpiY() : 96);
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetricsF fm(font, p.device());
    QRectF rest = area;
    rest.setTop(area.top() + drawTexts(p, area, record, fm));
    if (record.isColourMap())
        drawColourMap(p, rest, record, fm, decimal);
    else if (record.isPlot())
        drawPlot(p, rest, recordPlot(record, logPlot, decimal));
    else if (!record.boxes.empty()) {
        p.setPen(Qt::NoPen);
        for (const PictureRecord::Box& b : record.boxes)
            p.fillRect(QRectF(rest.left() + b.rect.left() * rest.width(), rest.top() + b.rect.top() * rest.height(),
                              b.rect.width() * rest.width(), b.rect.height() * rest.height()),
                       b.colour);
    }
    p.restore();
}

QByteArray pictureFile(const PictureRecord& record, QSize size, bool svg, const std::string& decimal, bool logPlot) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(area);
        QPainter p;
        if (!p.begin(&generator)) return {};
        drawPicture(p, area, record, decimal, logPlot);
        if (!p.end()) return {};
        return bytes;
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        drawPicture(p, area, record, decimal, logPlot);
    }
    return pngFile(image);
}

QByteArray pngFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
    return bytes;
}

}  // namespace lineer::ui
