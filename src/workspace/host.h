#pragma once
// The small interface between the numeric core and whatever shows its
// output: the window, the command line, or a test.

#include <cstdint>
#include <string>

#include "resultline.h"

namespace lineer {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The picture box's size in pixels (3495 x 3255 twips).
inline constexpr int kPictureBoxWidth = 233;
inline constexpr int kPictureBoxHeight = 217;

// The picture box: a drawing surface in user coordinates.
class PictureSurface {
public:
    virtual ~PictureSurface() = default;
    virtual void clear() = 0;
    // Prints one line at the print position, which then moves to the next line.
    virtual void print(const std::string& text) = 0;
    // User coordinate system by its top-left and bottom-right corners.
    virtual void scale(double x1, double y1, double x2, double y2) = 0;
    // A filled box between two corners, in user coordinates.
    virtual void box(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // A circle in the foreground colour; the radius is in horizontal units,
    // the circle is round on screen.
    virtual void circle(float cx, float cy, double radius) = 0;
    // Says what the boxes just drawn are: a colour map of rows x cols
    // elements in which the deepest colour stands for the absolute value
    // `deepest`. A surface that writes a colour scale keeps it.
    virtual void colourMap(int /*rows*/, int /*cols*/, double /*deepest*/) {}
    // Names the plot whose circles follow, for a surface that draws it
    // again with a title; the picture box itself shows no title.
    virtual void title(const std::string& /*text*/) {}
};

// A picture box that keeps nothing: for runs whose picture nobody sees.
class NoPicture : public PictureSurface {
public:
    void clear() override {}
    void print(const std::string&) override {}
    void scale(double, double, double, double) override {}
    void box(double, double, double, double, Rgb) override {}
    void circle(float, float, double) override {}
};

// Thrown by a host's results-list operation (listAppend) to end
// the run at that line, when the user asked to stop outside an iteration
// (an interrupt on the command line). runMethod ends the method with
// Outcome::Stopped and no message; outside a method (the load's listing,
// the comparison's table) it reaches the front end that threw it.
class StopRun {};

// What a Host may throw: StopRun, from listAppend alone, and
// std::bad_alloc from any operation. Every other operation returns.
class Host {
public:
    virtual ~Host() = default;

    // Results list (List1): appends one line, which says what it is and
    // which part of the run wrote it. Saved and copied, every line is its
    // text; a host that lays the list out (the pages, the export) or shows
    // the parts apart reads the kind.
    virtual void listAppend(ResultLine line) = 0;
    virtual void listClear() = 0;

    // Picture box (Picture1).
    virtual PictureSurface& picture() = 0;

    // Modal message box with an OK button.
    virtual void message(const std::string& text) = 0;

    // A remark on a run: what is true of it whatever its lines show (the
    // system has no solution, the iteration did not converge). It does not
    // stop the run and is no line of the results list: the host shows it
    // apart, at once and without asking for a click. A host whose output
    // nobody reads may drop it.
    virtual void remark(const std::string& /*text*/) {}

    // Called by the iterative methods after every sweep with the sweep count
    // and the sweep's maximum change. Returning false ends the iteration
    // after this sweep, as if the limit had been reached.
    virtual bool keepIterating(std::int64_t /*sweeps*/, double /*maxChange*/) { return true; }
};

}  // namespace lineer
