// The geometry of a 2 × 2 system: each equation a line in the plane of
// (x(1), x(2)), the solution where they meet, and the iterates walking
// towards it (or away).

#include <algorithm>
#include <cmath>

#include "iteration.h"
#include "numformat.h"
#include "plots.h"
#include "runs.h"
#include "session.h"

namespace lineer::plots {

namespace {

// The iterates are drawn while they stay within this many times the
// distance from the start to the solution (or to the origin).
constexpr double kReach = 4;

struct Box {
    double x0, y0, x1, y1;
};

// The part of the line a·x + b·y = c inside the box, if any (Liang-Barsky
// on a long enough piece of it).
std::optional<std::pair<Point, Point>> lineInBox(double a, double b, double c, const Box& box) {
    const double cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
    const double len = std::hypot(a, b);
    // The point of the line nearest the box's centre, and its direction.
    const double t = (c - a * cx - b * cy) / (len * len);
    const Point p{cx + a * t, cy + b * t};
    const double dx = -b / len, dy = a / len;
    const double span = 2 * std::hypot(box.x1 - box.x0, box.y1 - box.y0);
    double lo = -span, hi = span;
    const double d[4] = {-dx, dx, -dy, dy};
    const double q[4] = {p.x - box.x0, box.x1 - p.x, p.y - box.y0, box.y1 - p.y};
    for (int k = 0; k < 4; ++k) {
        if (d[k] == 0) {
            if (q[k] < 0) return std::nullopt;
            continue;
        }
        const double s = q[k] / d[k];
        if (d[k] < 0)
            lo = std::max(lo, s);
        else
            hi = std::min(hi, s);
    }
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi)) return std::nullopt;
    return std::pair{Point{p.x + lo * dx, p.y + lo * dy}, Point{p.x + hi * dx, p.y + hi * dy}};
}

bool finite(const Point& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

Result geometry(const Workspace& loaded, const RunParameters& params, std::optional<Option> method,
                const std::string& decimal) {
    Result r;
    if (loaded.n != 2 || loaded.m != 3) {
        r.problem = format(Text::PlotGeometryNeedsTwo, intText(loaded.n), intText(loaded.m));
        return r;
    }
    const Option o = method && methodRow(*method).analysed.iteration ? *method : Option::LesJacobi;
    const Matrix& A = loaded.A;
    const double det = A(1, 1) * A(2, 2) - A(1, 2) * A(2, 1);
    for (int i = 1; i <= 2; ++i)
        if (A(i, 1) == 0 && A(i, 2) == 0) r.plot.notes.push_back(format(Text::PlotNoLine, intText(i)));
    if (det == 0 && r.plot.notes.empty()) {
        const bool same = A(1, 1) * A(2, 3) - A(2, 1) * A(1, 3) == 0 && A(1, 2) * A(2, 3) - A(2, 2) * A(1, 3) == 0;
        r.plot.notes.push_back(std::string(same ? text(Text::PlotSameLines) : text(Text::PlotParallelLines)));
    }
    const std::optional<std::vector<double>> solution = det != 0 ? directSolution(loaded, decimal) : std::nullopt;

    const Sweeps run = runSweeps(loaded, params, o, decimal, std::nullopt, nullptr, true);
    if (!run.message.empty()) r.plot.notes.push_back(format(Text::PlotRunMessage, caption(o), run.message));
    RunParameters boxes = params;
    readBoxes(boxes, decimal);

    // The path: each iterate, and before it the corners a sweep in place
    // passes through (the new x(1) with the old x(2)), so that Gauss-Seidel
    // walks along the axes from line to line.
    std::vector<Point> path;
    std::vector<std::int64_t> sweepOf;
    for (std::size_t k = 0; k < run.iterates.size(); ++k) {
        const std::vector<double>& x = run.iterates[k];
        if (k > 0) {
            const std::vector<double>& p = run.iterates[k - 1];
            const auto sweep = static_cast<std::int64_t>(k);
            if (o == Option::LesGaussSidel || o == Option::LesSORTextbook) {
                path.push_back({x[1], p[2]});
                sweepOf.push_back(sweep);
            } else if (o == Option::LesSOR && boxes.w != 1) {
                // This program's SOR sweeps as Gauss-Seidel, then relaxes
                // the whole vector.
                double g[3] = {0, p[1], p[2]};
                gaussSeidelSweep(A, 2, 3, g, p.data());
                path.push_back({g[1], p[2]});
                path.push_back({g[1], g[2]});
                sweepOf.insert(sweepOf.end(), 2, sweep);
            } else if (o == Option::LesSOR) {
                path.push_back({x[1], p[2]});
                sweepOf.push_back(sweep);
            }
        }
        path.push_back({x[1], x[2]});
        sweepOf.push_back(static_cast<std::int64_t>(k));
    }

    const Point start = path.empty() ? Point{1, 1} : path.front();
    const Point centre = solution ? Point{(*solution)[1], (*solution)[2]} : start;
    double reach = std::hypot(start.x - centre.x, start.y - centre.y);
    if (!solution) reach = std::max(reach, std::hypot(start.x, start.y));
    if (!(reach > 0) || !std::isfinite(reach)) reach = 1;
    Box box{centre.x, centre.y, centre.x, centre.y};
    auto include = [&](const Point& p) {
        box.x0 = std::min(box.x0, p.x);
        box.x1 = std::max(box.x1, p.x);
        box.y0 = std::min(box.y0, p.y);
        box.y1 = std::max(box.y1, p.y);
    };
    include(start);
    Series walk{std::string(text(Text::PlotPathSeries)), {}, Style::LineAndMarkers, 2};
    for (std::size_t k = 0; k < path.size(); ++k) {
        const Point& p = path[k];
        if (!finite(p) || std::hypot(p.x - centre.x, p.y - centre.y) > kReach * reach) {
            r.plot.notes.push_back(format(Text::PlotPathLeaves, intText(k > 0 ? sweepOf[k - 1] : 0)));
            break;
        }
        walk.points.push_back(p);
        include(p);
    }
    // Square, with room around the points, so the lines meet at their
    // true angle.
    const double side = std::max({box.x1 - box.x0, box.y1 - box.y0, reach}) * 1.3;
    const double mx = (box.x0 + box.x1) / 2, my = (box.y0 + box.y1) / 2;
    box = {mx - side / 2, my - side / 2, mx + side / 2, my + side / 2};

    Panel panel;
    for (int i = 1; i <= 2; ++i) {
        if (A(i, 1) == 0 && A(i, 2) == 0) continue;
        if (const auto piece = lineInBox(A(i, 1), A(i, 2), A(i, 3), box))
            panel.series.push_back({format(Text::PlotEquationSeries, intText(i)), {piece->first, piece->second},
                                    Style::Line, i - 1});
    }
    if (!walk.points.empty()) panel.series.push_back(std::move(walk));
    panel.marks.push_back({start, std::string(text(Text::PlotStartMark)), 2});
    if (solution)
        panel.marks.push_back({centre,
                               format(Text::PlotSolutionMark, formatSignificant(centre.x, 4, decimal),
                                      formatSignificant(centre.y, 4, decimal)),
                               5});
    panel.x.label = "x(1)";
    panel.y.label = "x(2)";
    panel.x.lo = box.x0;
    panel.x.hi = box.x1;
    panel.y.lo = box.y0;
    panel.y.hi = box.y1;
    panel.x.ticks = linearTicks(box.x0, box.x1, 6, decimal);
    panel.y.ticks = linearTicks(box.y0, box.y1, 6, decimal);
    panel.legend = true;
    panel.equalAspect = true;
    r.plot.panels.push_back(std::move(panel));
    // ω is notation, the same in every language.
    const std::string name =
        methodRow(o).usesW ? caption(o) + ", ω = " + omegaText(boxes, decimal) : caption(o);
    r.plot.title = format(Text::PlotGeometryTitle, name);
    return r;
}

Plot sorPicture(const std::vector<Point>& circles, const std::string& title, bool log, const std::string& decimal) {
    Plot plot;
    plot.title = title;
    Panel panel;
    Series change{"", {}, Style::Markers, 0};
    std::vector<double> ys;
    double last = 1;
    std::size_t zeros = 0;
    for (const Point& c : circles) {
        if (!finite(c) || (log && !(c.y > 0))) {
            zeros += finite(c) ? 1 : 0;
            continue;
        }
        change.points.push_back(c);
        ys.push_back(c.y);
        last = std::max(last, c.x);
    }
    panel.x.label = std::string(text(Text::PlotIterationAxis));
    panel.x.lo = 0;
    panel.x.hi = last;
    panel.x.ticks = linearTicks(0, last, 6, decimal);
    std::erase_if(panel.x.ticks, [](const Tick& t) { return t.at != std::floor(t.at); });
    if (!log) ys.push_back(0);
    panel.y = axisOver(std::string(text(Text::PlotChangeAxis)), ys, log ? Scale::Log : Scale::Linear, decimal);
    panel.series.push_back(std::move(change));
    plot.panels.push_back(std::move(panel));
    if (zeros > 0)
        plot.notes.push_back(format(Text::PlotZeroChangesLeftOut, caption(Option::LesSOR), intText(static_cast<long long>(zeros))));
    return plot;
}

}  // namespace lineer::plots
