#pragma once
// A plot description drawn with QPainter: the window's picture window,
// the PNG and SVG files of the command line and the dialogs, and the
// printed pages all draw a plot here, at any size.

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSize>

#include "plot.h"

namespace lineer::ui {

inline constexpr QSize kPlotSize{plots::kPlotWidth, plots::kPlotHeight};

// Draws the plot into `area` (white behind it), fonts sized from the area
// as the picture's are.
void drawPlot(QPainter& p, const QRectF& area, const plots::Plot& plot);

// Where a panel's frame goes in `area` when the plot is drawn there: for
// tests of the layout (every point inside its frame).
std::vector<QRectF> plotFrames(const QRectF& area, const plots::Plot& plot, const QFontMetricsF& fm);

// The plot as a PNG or SVG file's bytes, drawn at `size`; empty when it
// could not be encoded.
QByteArray plotFile(const plots::Plot& plot, QSize size, bool svg);

}  // namespace lineer::ui
