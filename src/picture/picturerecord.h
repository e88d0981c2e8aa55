#pragma once
// What the picture box holds, kept as drawing operations instead of pixels,
// so that it can be drawn again at any size: in the picture window, on a
// printed page, as SVG or as a larger PNG. The larger drawing adds what the
// small box has no room for: the colour map's scale and its row and column
// numbers, the convergence plot's axes and title.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

#include <string>
#include <vector>

#include "plot.h"

namespace lineer::ui {

struct PictureRecord {
    // A box with its corners as fractions of the picture's width and height.
    struct Box {
        QRectF rect;
        QColor colour;
    };
    // A circle in the user coordinates of `plot`; the radius counts in
    // horizontal units.
    struct Circle {
        double x, y, r;
    };

    std::vector<QString> texts;  // printed lines, from the top
    std::vector<Box> boxes;
    std::vector<Circle> circles;
    // The user coordinate system the circles were drawn in: left, top,
    // right, bottom.
    double plotLeft = 0, plotTop = 0, plotRight = 1, plotBottom = 1;
    // What the run that drew the circles called its plot.
    QString plotTitle;
    // Set when the boxes are a colour map (see PictureSurface::colourMap).
    int mapRows = 0, mapCols = 0;
    double mapDeepest = 0;

    bool empty() const { return texts.empty() && boxes.empty() && circles.empty(); }
    bool isColourMap() const { return mapRows > 0 && mapCols > 0 && !boxes.empty(); }
    bool isPlot() const { return !circles.empty(); }
    void clear() { *this = PictureRecord{}; }
};

// Draws the record into `area` with its scale, numbers and axes, the
// numbers with `decimal` as the decimal symbol. Fonts are sized from the
// area, so the drawing reads the same at every size.
// `logPlot`: the convergence plot's changes on a logarithmic axis.
void drawPicture(QPainter& p, const QRectF& area, const PictureRecord& record, const std::string& decimal,
                 bool logPlot = false);

// The convergence plot's circles as a plot description: the horizontal
// axis to the iterations run, the vertical one linear from 0 or
// logarithmic, the run's title.
plots::Plot recordPlot(const PictureRecord& record, bool log, const std::string& decimal);

// The font of the labels for a drawing of `area` on a device of `dpi`.
QFont pictureFont(const QRectF& area, int dpi);

// The tick values of an axis from lo to hi: multiples of 1, 2 or 5 times a
// power of ten, about `count` of them, lo and hi included when they fall on
// a multiple.
std::vector<double> axisTicks(double lo, double hi, int count);

// The picture as a PNG or SVG file's bytes ("svg" or anything else for
// PNG), drawn at `size`; empty when it could not be encoded.
QByteArray pictureFile(const PictureRecord& record, QSize size, bool svg, const std::string& decimal,
                       bool logPlot = false);

// The image as a PNG file's bytes; empty when it could not be encoded. The
// one PNG encoder of the window and the command line.
QByteArray pngFile(const QImage& image);

}  // namespace lineer::ui
