// The convergence plot: every sweep's largest change, the error against
// the direct solution and ρ^k, on a logarithmic axis.

#include <algorithm>
#include <cmath>

#include "measures.h"
#include "numformat.h"
#include "plots.h"
#include "runs.h"
#include "session.h"

namespace lineer::plots {

namespace {

constexpr Option kIterations[] = {Option::LesJacobi, Option::LesGaussSidel, Option::LesSOR, Option::LesSORTextbook};

// A run of a million sweeps has a million changes; about this many points
// show its curve as well.
constexpr std::size_t kMostPoints = 2000;

int colourOf(Option o) {
    for (int c = 0; c < 4; ++c)
        if (kIterations[c] == o) return c;
    return 0;
}

// The points (k, v(k)) that a logarithmic axis can show, at most
// kMostPoints of them (the last always); `dropped` counts the values that
// are not above 0.
std::vector<Point> logPoints(const std::vector<double>& values, std::size_t& dropped) {
    std::vector<Point> points;
    const std::size_t stride = values.size() / kMostPoints + 1;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const double v = values[k];
        if (!(v > 0) || !std::isfinite(v)) {
            ++dropped;
            continue;
        }
        if (k % stride == 0 || k + 1 == values.size()) points.push_back({static_cast<double>(k + 1), v});
    }
    return points;
}

}  // namespace

Result convergence(const Workspace& loaded, const RunParameters& params, std::optional<Option> method, bool compare,
                   const std::string& decimal) {
    Result r;
    if (loaded.n < 1 || loaded.m != loaded.n + 1) {
        r.problem = format(Text::PlotNeedsSystem, intText(loaded.n), intText(loaded.m));
        return r;
    }
    const bool iterative = method && methodRow(*method).analysed.iteration;
    if (method && !iterative && !compare) {
        r.problem = std::string(text(Text::PlotNeedsIteration));
        return r;
    }
    std::vector<Option> methods;
    if (iterative && !compare)
        methods.push_back(*method);
    else
        methods.assign(std::begin(kIterations), std::end(kIterations));

    RunParameters boxes = params;
    readBoxes(boxes, decimal);
    const double tolerance = params.tolerance.value_or(0.00001);
    const std::optional<std::vector<double>> solution = directSolution(loaded, decimal);
    if (!solution) r.plot.notes.push_back(std::string(text(Text::PlotNoError)));

    Panel panel;
    // With several methods the legend names each method once, by its
    // colour, and says once what the three kinds of line are.
    const bool several = methods.size() > 1;
    std::vector<double> ys{tolerance}, xs{1};
    for (Option o : methods) {
        const std::string name = caption(o);
        const Sweeps run = runSweeps(loaded, params, o, decimal, std::nullopt, solution ? &*solution : nullptr);
        if (!run.message.empty()) r.plot.notes.push_back(format(Text::PlotRunMessage, name, run.message));
        std::size_t zeros = 0, errorZeros = 0;
        Series change{several ? name : format(Text::PlotChangeSeries, name), logPoints(run.changes, zeros),
                      Style::LineAndMarkers, colourOf(o)};
        if (zeros > 0) r.plot.notes.push_back(format(Text::PlotZeroChangesLeftOut, name, intText(static_cast<long long>(zeros))));
        for (const Point& p : change.points) ys.push_back(p.y);
        xs.push_back(static_cast<double>(run.changes.size()));
        if (!change.points.empty()) panel.series.push_back(std::move(change));
        if (solution) {
            Series error{several ? std::string() : format(Text::PlotErrorSeries, name),
                         logPoints(run.errors, errorZeros), Style::Dashed, colourOf(o)};
            for (const Point& p : error.points) ys.push_back(p.y);
            if (!error.points.empty()) panel.series.push_back(std::move(error));
        }
        // ρ^k, started at the first change: the rate the analysis expects.
        const analysis::Iteration kind = *methodRow(o).analysed.iteration;
        const std::optional<analysis::Radius> rho = analysis::radius(loaded.A, loaded.n, kind, boxes.w);
        if (rho && !rho->singularMatrix && rho->value > 0 && rho->value < 1 && !run.changes.empty() &&
            run.changes[0] > 0 && std::isfinite(run.changes[0])) {
            const std::string rhoName = format(Text::PlotRhoSeries, name, formatSignificant(rho->value, 3, decimal));
            if (several) r.plot.notes.push_back(rhoName);
            Series reference{several ? std::string() : rhoName, {}, Style::Dotted, colourOf(o)};
            const std::size_t last = run.changes.size();
            const std::size_t stride = last / kMostPoints + 1;
            for (std::size_t k = 1; k <= last; k += stride) {
                const double v = run.changes[0] * std::pow(rho->value, static_cast<double>(k - 1));
                // Far below every change the run made, it says nothing more.
                if (!(v > 1e-300)) break;
                reference.points.push_back({static_cast<double>(k), v});
            }
            if (reference.points.size() > 1) panel.series.push_back(std::move(reference));
        }
    }
    if (several) {
        // Series without points: entries of the legend alone.
        panel.series.push_back({std::string(text(Text::PlotChangeKey)), {}, Style::Line, 5});
        if (solution) panel.series.push_back({std::string(text(Text::PlotErrorKey)), {}, Style::Dashed, 5});
        panel.series.push_back({std::string(text(Text::PlotRhoKey)), {}, Style::Dotted, 5});
    }
    panel.lines.push_back({true, tolerance, format(Text::PlotToleranceLine, formatSignificant(tolerance, 3, decimal))});
    panel.x = axisOver(std::string(text(Text::PlotIterationAxis)), {}, Scale::Linear, decimal);
    // From sweep 0 to the last sweep run, whole sweeps only.
    const double right = std::max(1.0, *std::max_element(xs.begin(), xs.end()));
    panel.x.lo = 0;
    panel.x.hi = right;
    panel.x.ticks = linearTicks(0, right, 6, decimal);
    std::erase_if(panel.x.ticks, [](const Tick& t) { return t.at != std::floor(t.at); });
    // The ρ^k curves do not stretch the axis below what the runs reached.
    panel.y = axisOver(std::string(solution ? text(Text::PlotChangeErrorAxis) : text(Text::PlotChangeAxis)), ys, Scale::Log,
                       decimal);
    for (Series& s : panel.series)
        std::erase_if(s.points, [&](const Point& p) { return p.y < panel.y.lo || p.y > panel.y.hi; });
    panel.legend = true;
    r.plot.panels.push_back(std::move(panel));
    if (methods.size() == 1 && methodRow(methods[0]).usesW)
        r.plot.title = format(Text::PlotConvergenceTitleW, caption(methods[0]), omegaText(boxes, decimal));
    else if (methods.size() == 1)
        r.plot.title = format(Text::PlotConvergenceTitle, caption(methods[0]));
    else
        r.plot.title = format(Text::PlotCompareTitle, omegaText(boxes, decimal));
    return r;
}

Result make(Kind kind, const Workspace& loaded, const RunParameters& params, std::optional<Option> method,
            bool compare, const std::string& decimal) {
    switch (kind) {
        case Kind::Convergence:
            return convergence(loaded, params, method, compare, decimal);
        case Kind::Omega:
            return omega(loaded, params, decimal);
        case Kind::Geometry:
            return geometry(loaded, params, method, decimal);
    }
    return {};
}

}  // namespace lineer::plots
