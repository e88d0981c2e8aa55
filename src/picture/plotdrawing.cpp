#include "plotdrawing.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "picturerecord.h"

namespace lineer::ui {

namespace {

QColor paletteColour(int k) {
    static const QColor colours[] = {QColor(31, 119, 180), QColor(214, 39, 40), QColor(44, 160, 44),
                                     QColor(255, 127, 14), QColor(148, 103, 189), QColor(0, 0, 0)};
    return colours[static_cast<std::size_t>(std::clamp(k, 0, 5))];
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// Where a value of the axis lands between `from` and `to` (pixels).
double place(const plots::Axis& a, double v, double from, double to) {
    double t;
    if (a.scale == plots::Scale::Log)
        t = (std::log10(std::max(v, a.lo * 1e-3)) - std::log10(a.lo)) / (std::log10(a.hi) - std::log10(a.lo));
    else
        t = (v - a.lo) / (a.hi - a.lo);
    // Far outside, a point is still drawn toward its side, never at an
    // overflowing coordinate.
    t = std::clamp(t, -10.0, 11.0);
    return from + t * (to - from);
}

struct Layout {
    QRectF titleRect;
    std::vector<QRectF> frames;
    QRectF notesRect;
};

double textHeight(const QFontMetricsF& fm, double width, const std::string& s) {
    return fm.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, q(s)).height();
}

Layout layOut(const QRectF& area, const plots::Plot& plot, const QFontMetricsF& fm) {
    Layout l;
    const double pad = fm.height() / 2, tick = pad / 2;
    double top = area.top() + pad;
    if (!plot.title.empty()) {
        const double h = textHeight(fm, area.width() - 2 * pad, plot.title);
        l.titleRect = QRectF(area.left() + pad, top, area.width() - 2 * pad, h);
        top += h + pad;
    }
    double notesH = 0;
    for (const std::string& n : plot.notes) notesH += textHeight(fm, area.width() - 2 * pad, n);
    l.notesRect = QRectF(area.left() + pad, area.bottom() - pad - notesH, area.width() - 2 * pad, notesH);
    const double bottom = l.notesRect.top() - (notesH > 0 ? pad : 0);
    const std::size_t count = plot.panels.size();
    if (count == 0) return l;
    const double each = (bottom - top) / static_cast<double>(count);
    for (std::size_t k = 0; k < count; ++k) {
        const plots::Panel& p = plot.panels[k];
        double labelW = 0;
        for (const plots::Tick& t : p.y.ticks) labelW = std::max(labelW, fm.horizontalAdvance(q(t.label)));
        const double lastW = p.x.ticks.empty() ? 0 : fm.horizontalAdvance(q(p.x.ticks.back().label));
        const double y0 = top + each * static_cast<double>(k);
        QRectF frame(QPointF(area.left() + pad + fm.height() + labelW + 2 * tick, y0 + pad),
                     QPointF(area.right() - pad - lastW / 2, y0 + each - 2 * fm.height() - tick - pad));
        if (p.equalAspect && frame.width() > 0 && frame.height() > 0) {
            const double sx = frame.width() / (p.x.hi - p.x.lo), sy = frame.height() / (p.y.hi - p.y.lo);
            const double s = std::min(sx, sy);
            const QSizeF size((p.x.hi - p.x.lo) * s, (p.y.hi - p.y.lo) * s);
            frame = QRectF(QPointF(frame.center().x() - size.width() / 2, frame.center().y() - size.height() / 2), size);
        }
        l.frames.push_back(frame.width() > 0 && frame.height() > 0 ? frame : QRectF());
    }
    return l;
}

QPen seriesPen(const plots::Series& s, double width) {
    QPen pen(paletteColour(s.colour), width);
    if (s.style == plots::Style::Dashed) pen.setStyle(Qt::DashLine);
    if (s.style == plots::Style::Dotted) pen.setStyle(Qt::DotLine);
    return pen;
}

// How many of the panel's points and placed boxes fall in `box`: the
// legend and the labels go where they hide least.
int covered(const QRectF& box, const std::vector<QPointF>& points, const std::vector<QRectF>& taken) {
    int n = 0;
    for (const QPointF& pt : points) n += box.contains(pt) ? 1 : 0;
    for (const QRectF& t : taken) n += box.intersects(t) ? 1000 : 0;
    return n;
}

void drawPanel(QPainter& p, const plots::Panel& panel, const QRectF& frame, const QRectF& band,
               const QFontMetricsF& fm) {
    const double pad = fm.height() / 2, tick = pad / 2, line = std::max(1.0, fm.height() / 10);
    auto px = [&](double x) { return place(panel.x, x, frame.left(), frame.right()); };
    auto py = [&](double y) { return place(panel.y, y, frame.bottom(), frame.top()); };

    // Grid and ticks.
    p.setPen(QPen(QColor(225, 225, 225), 0));
    for (const plots::Tick& t : panel.x.ticks) p.drawLine(QPointF(px(t.at), frame.top()), QPointF(px(t.at), frame.bottom()));
    for (const plots::Tick& t : panel.y.ticks) p.drawLine(QPointF(frame.left(), py(t.at)), QPointF(frame.right(), py(t.at)));
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    for (const plots::Tick& t : panel.x.ticks) {
        const double x = px(t.at);
        p.drawLine(QPointF(x, frame.bottom()), QPointF(x, frame.bottom() + tick));
        const double w = fm.horizontalAdvance(q(t.label)) + fm.height();
        p.drawText(QRectF(x - w / 2, frame.bottom() + tick, w, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   q(t.label));
    }
    for (const plots::Tick& t : panel.y.ticks) {
        const double y = py(t.at);
        p.drawLine(QPointF(frame.left() - tick, y), QPointF(frame.left(), y));
        p.drawText(QRectF(band.left(), y - fm.height() / 2, frame.left() - 2 * tick - band.left(), fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, q(t.label));
    }
    p.drawText(QRectF(frame.left(), frame.bottom() + tick + fm.height(), frame.width(), fm.height()), Qt::AlignCenter,
               q(panel.x.label));
    double labelsW = 0;
    for (const plots::Tick& t : panel.y.ticks) labelsW = std::max(labelsW, fm.horizontalAdvance(q(t.label)));
    p.save();
    p.translate(std::max(band.left(), frame.left() - 2 * tick - labelsW - fm.height() * 1.2), frame.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-band.height() / 2, 0, band.height(), fm.height()), Qt::AlignCenter, q(panel.y.label));
    p.restore();

    std::vector<QPointF> points;
    for (const plots::Series& s : panel.series)
        for (std::size_t k = 0; k < s.points.size(); k += s.points.size() / 400 + 1)
            points.emplace_back(px(s.points[k].x), py(s.points[k].y));
    std::vector<QRectF> taken;
    // The legend first, in the corner where it hides the fewest points.
    std::vector<const plots::Series*> named;
    if (panel.legend)
        for (const plots::Series& s : panel.series)
            if (!s.name.empty()) named.push_back(&s);
    QRectF legend;
    const double sample = fm.height() * 2;
    double legendW = 0;
    for (const plots::Series* s : named) legendW = std::max(legendW, fm.horizontalAdvance(q(s->name)));
    if (!named.empty()) {
        const QSizeF size(sample + pad * 3 + legendW, fm.height() * static_cast<double>(named.size()) + pad);
        const QPointF corners[] = {{frame.right() - pad - size.width(), frame.top() + pad},
                                   {frame.left() + pad, frame.top() + pad},
                                   {frame.right() - pad - size.width(), frame.bottom() - pad - size.height()},
                                   {frame.left() + pad, frame.bottom() - pad - size.height()}};
        int least = -1;
        for (const QPointF& c : corners) {
            const QRectF box(c, size);
            const int n = covered(box, points, taken);
            if (least < 0 || n < least) {
                least = n;
                legend = box;
            }
        }
        taken.push_back(legend);
    }

    p.save();
    p.setClipRect(frame);
    for (const plots::ReferenceLine& r : panel.lines) {
        QPen pen(QColor(90, 90, 90), line, Qt::DashDotLine);
        p.setPen(pen);
        if (r.horizontal) {
            const double y = py(r.at);
            p.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
            // Above the line, or below it where the frame's top is near.
            const double top = y - fm.height() < frame.top() ? y : y - fm.height();
            p.drawText(QRectF(frame.left() + pad, top, frame.width() - 2 * pad, fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, q(r.label));
        } else {
            const double x = px(r.at);
            p.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
            p.drawText(QRectF(x + pad / 2, frame.top() + pad, frame.width(), fm.height()), Qt::AlignLeft, q(r.label));
        }
    }
    const double dot = std::max(1.5, fm.height() / 6);
    for (const plots::Series& s : panel.series) {
        p.setPen(seriesPen(s, line));
        if (s.style != plots::Style::Markers && s.points.size() > 1) {
            QPainterPath path(QPointF(px(s.points[0].x), py(s.points[0].y)));
            for (std::size_t k = 1; k < s.points.size(); ++k) path.lineTo(px(s.points[k].x), py(s.points[k].y));
            p.drawPath(path);
        }
        if (s.style == plots::Style::Markers || s.style == plots::Style::LineAndMarkers) {
            p.setPen(QPen(paletteColour(s.colour), line));
            for (const plots::Point& pt : s.points) p.drawEllipse(QPointF(px(pt.x), py(pt.y)), dot, dot);
        }
    }
    // The marks, each label kept inside the frame.
    for (const plots::Mark& m : panel.marks) {
        const QPointF at(px(m.at.x), py(m.at.y));
        const double d = dot * 2.2;
        QPolygonF diamond({at + QPointF(0, -d), at + QPointF(d, 0), at + QPointF(0, d), at + QPointF(-d, 0)});
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(paletteColour(m.colour));
        p.drawPolygon(diamond);
        p.setBrush(Qt::NoBrush);
        const double w = fm.horizontalAdvance(q(m.label));
        // Above or below, right or left of the mark, inside the frame,
        // where it covers the least; further up or down when all four do.
        QRectF box;
        int least = -1;
        for (int step = 0; step < 6 && least != 0; ++step)
            for (int k = 0; k < 4; ++k) {
                const double lift = d + fm.height() * step;
                double x = k % 2 == 0 ? at.x() + d + pad / 2 : at.x() - d - pad / 2 - w;
                double y = k < 2 ? at.y() - lift - fm.height() : at.y() + lift;
                x = std::clamp(x, frame.left() + pad / 2, std::max(frame.left() + pad / 2, frame.right() - pad / 2 - w));
                y = std::clamp(y, frame.top(), std::max(frame.top(), frame.bottom() - fm.height()));
                const QRectF candidate(x, y, w, fm.height());
                const int n = covered(candidate, points, taken);
                if (least < 0 || n < least) {
                    least = n;
                    box = candidate;
                }
            }
        taken.push_back(box);
        p.fillRect(box.adjusted(-2, 0, 2, 0), QColor(255, 255, 255, 210));
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, q(m.label));
    }
    p.restore();

    if (named.empty()) return;
    const QRectF box = legend;
    const double w = legendW;
    p.fillRect(box, QColor(255, 255, 255, 230));
    p.setPen(QPen(QColor(150, 150, 150), 0));
    p.drawRect(box);
    double y = box.top() + pad / 2;
    for (const plots::Series* s : named) {
        const double mid = y + fm.height() / 2;
        p.setPen(seriesPen(*s, line));
        if (s->style != plots::Style::Markers)
            p.drawLine(QPointF(box.left() + pad, mid), QPointF(box.left() + pad + sample, mid));
        if (s->style == plots::Style::Markers || s->style == plots::Style::LineAndMarkers) {
            p.setPen(QPen(paletteColour(s->colour), line));
            p.drawEllipse(QPointF(box.left() + pad + sample / 2, mid), dot, dot);
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() + pad * 2 + sample, y, w + pad, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   q(s->name));
        y += fm.height();
    }
}

}  // namespace

std::vector<QRectF> plotFrames(const QRectF& area, const plots::Plot& plot, const QFontMetricsF& fm) {
    return layOut(area, plot, fm).frames;
}

void drawPlot(QPainter& p, const QRectF& area, const plots::Plot& plot) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QFont font = pictureFont(area, p.device() ? p.device()->logicalDpiY() : 96);
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetricsF fm(font, p.device());
    const Layout l = layOut(area, plot, fm);
    if (!plot.title.empty()) {
        QFont bold = font;
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(l.titleRect, Qt::AlignHCenter | Qt::TextWordWrap, q(plot.title));
        p.setFont(font);
    }
    const double each = plot.panels.empty() ? 0 : (l.notesRect.top() - l.titleRect.bottom()) / plot.panels.size();
    for (std::size_t k = 0; k < plot.panels.size(); ++k) {
        if (l.frames[k].isEmpty()) continue;
        const QRectF band(area.left() + fm.height() / 2, l.frames[k].top(), area.width(), each);
        drawPanel(p, plot.panels[k], l.frames[k], band, fm);
    }
    p.setPen(Qt::black);
    double y = l.notesRect.top();
    for (const std::string& n : plot.notes) {
        const double h = textHeight(fm, l.notesRect.width(), n);
        p.drawText(QRectF(l.notesRect.left(), y, l.notesRect.width(), h), Qt::AlignLeft | Qt::TextWordWrap, q(n));
        y += h;
    }
    p.restore();
}

QByteArray plotFile(const plots::Plot& plot, QSize size, bool svg) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(area);
        generator.setTitle(q(plot.title));
        QPainter p;
        if (!p.begin(&generator)) return {};
        drawPlot(p, area, plot);
        if (!p.end()) return {};
        return bytes;
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        drawPlot(p, area, plot);
    }
    return pngFile(image);
}

}  // namespace lineer::ui
