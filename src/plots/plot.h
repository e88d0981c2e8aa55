#pragma once
// A plot as a description, not as pixels: its title, its panels with their
// axes, series, marks and reference lines, and the notes on what it left
// out. The window, the picture files and the tests all read the same
// description; only the drawing turns it into lines on a page. Every
// number in it is finite, and every value on a logarithmic axis is above 0.

#include <string>
#include <vector>

namespace lineer::plots {

// The size a plot is drawn at when none is asked for: room for a legend
// and the labels of the marks.
inline constexpr int kPlotWidth = 1000;
inline constexpr int kPlotHeight = 750;

struct Point {
    double x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class Scale { Linear, Log };

struct Tick {
    double at = 0;
    std::string label;  // in the user's decimal symbol
};

struct Axis {
    std::string label;
    double lo = 0, hi = 1;  // lo < hi; both above 0 on a logarithmic axis
    Scale scale = Scale::Linear;
    std::vector<Tick> ticks;  // within [lo, hi], ascending
};

// How a series is drawn. The colour is an index into the drawing's
// palette, so that a series keeps its colour in every output.
enum class Style {
    Line,           // a polyline through the points
    Markers,        // a small circle at every point, nothing between
    LineAndMarkers,
    Dashed,         // a second curve of the same series colour
    Dotted,         // a reference curve
};

struct Series {
    // In the legend; "" keeps it out of the legend. A series without
    // points is an entry of the legend alone.
    std::string name;
    std::vector<Point> points;
    Style style = Style::Line;
    int colour = 0;
};

// A labelled point: an optimum, an intersection, a start.
struct Mark {
    Point at;
    std::string label;
    int colour = 0;
};

// A straight line across the whole panel at y = at (horizontal) or x = at.
struct ReferenceLine {
    bool horizontal = true;
    double at = 0;
    std::string label;
};

struct Panel {
    Axis x, y;
    std::vector<Series> series;
    std::vector<Mark> marks;
    std::vector<ReferenceLine> lines;
    bool legend = false;
    // One unit across is as long as one unit down (the geometry of a
    // system: its lines meet at their true angle).
    bool equalAspect = false;
};

struct Plot {
    std::string title;
    std::vector<Panel> panels;   // stacked from the top, sharing the width
    std::vector<std::string> notes;  // below the panels, one line each
    bool empty() const { return panels.empty(); }
};

// The ticks of a linear axis from lo to hi: multiples of 1, 2 or 5 times a
// power of ten, about `count` of them. Labels with as many decimals as
// the step needs.
std::vector<Tick> linearTicks(double lo, double hi, int count, const std::string& decimal);
// The ticks of a logarithmic axis: the powers of ten from lo to hi (every
// second, third, ... one when there are many), in the reports' general
// number form ("1E-05").
std::vector<Tick> logTicks(double lo, double hi, const std::string& decimal);

// An axis over the values' range, widened a little so nothing sits on the
// frame; a range of no extent is widened to one that has some. On a
// logarithmic axis only values above 0 count.
Axis axisOver(std::string label, std::vector<double> values, Scale scale, const std::string& decimal);

}  // namespace lineer::plots
