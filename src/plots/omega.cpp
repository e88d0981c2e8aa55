// The ω plot: how many sweeps both SORs need at every ω of (0, 2), and the
// spectral radius of their iteration matrices, with the best ω marked.

#include <algorithm>
#include <cmath>

#include "measures.h"
#include "numformat.h"
#include "plots.h"
#include "runs.h"
#include "session.h"

namespace lineer::plots {

namespace {

// A limit typed in the millions would make the plot run for hours: a
// hundred ω values times the limit's sweeps.
constexpr double kMostSweeps = 10000;

// Young's ρ(ω) of the textbook SOR on a consistently ordered matrix whose
// Jacobi eigenvalues are real with radius rhoJ < 1.
double youngRho(double w, double rhoJ, double wBest) {
    if (w >= wBest) return w - 1;
    const double d = w * w * rhoJ * rhoJ - 4 * (w - 1);
    const double root = (w * rhoJ + std::sqrt(std::max(0.0, d))) / 2;
    return root * root;
}

struct Sor {
    Option option;
    analysis::Iteration kind;
    int colour;
};

}  // namespace

std::vector<double> omegaGrid() {
    std::vector<double> grid;
    for (int j = 1; j <= 99; ++j) grid.push_back(j / 50.0);
    return grid;
}

Result omega(const Workspace& loaded, const RunParameters& params, const std::string& decimal) {
    Result r;
    if (loaded.n < 1 || loaded.m != loaded.n + 1) {
        r.problem = format(Text::PlotNeedsSystem, intText(loaded.n), intText(loaded.m));
        return r;
    }
    RunParameters run = params;
    readBoxes(run, decimal);
    const double limit = std::isfinite(run.maxIter) ? std::clamp(std::floor(run.maxIter), 0.0, kMostSweeps) : kMostSweeps;
    run.maxIterText = intText(static_cast<long long>(limit));
    const std::string limitText = intText(static_cast<long long>(limit));

    Panel sweeps, rho;
    const std::string wLabel = "ω";
    std::vector<double> sweepValues{0}, rhoValues{0, 1};
    const Sor sors[] = {{Option::LesSOR, analysis::Iteration::Sor, 2},
                        {Option::LesSORTextbook, analysis::Iteration::SorTextbook, 3}};
    for (const Sor& sor : sors) {
        const std::string name = caption(sor.option);
        const std::optional<analysis::Optimum> best = analysis::optimalW(loaded.A, loaded.n, sor.kind);
        std::vector<double> grid = omegaGrid();
        if (best && best->w > 0 && best->w < 2) grid.push_back(best->w);
        std::sort(grid.begin(), grid.end());

        Series count{name, {}, Style::LineAndMarkers, sor.colour};
        Series radius{format(Text::PlotRhoOf, name), {}, Style::Line, sor.colour};
        int missed = 0;
        for (double w : grid) {
            const Sweeps s = runSweeps(loaded, run, sor.option, decimal, w);
            if (s.result.outcome == Outcome::Solved)
                count.points.push_back({w, static_cast<double>(s.result.sweeps)});
            else
                ++missed;
            const std::optional<analysis::Radius> rw = analysis::radius(loaded.A, loaded.n, sor.kind, w);
            if (rw && std::isfinite(rw->value)) radius.points.push_back({w, rw->value});
        }
        if (missed > 0)
            r.plot.notes.push_back(format(Text::PlotOmegaNotConverged, name, intText(missed), limitText));
        if (!count.points.empty()) {
            const Point fewest = *std::min_element(count.points.begin(), count.points.end(),
                                                   [](const Point& a, const Point& b) { return a.y < b.y; });
            sweeps.marks.push_back({fewest,
                                    format(Text::PlotFewestSweepsMark, name, formatSignificant(fewest.x, 3, decimal),
                                           intText(static_cast<long long>(fewest.y))),
                                    sor.colour});
        }
        if (best && std::isfinite(best->rho) && best->w > 0 && best->w < 2)
            rho.marks.push_back({{best->w, best->rho},
                                 format(Text::PlotLeastRhoMark, name, formatSignificant(best->w, 3, decimal)),
                                 sor.colour});
        for (const Point& p : count.points) sweepValues.push_back(p.y);
        for (const Point& p : radius.points) rhoValues.push_back(p.y);
        sweeps.series.push_back(std::move(count));
        rho.series.push_back(std::move(radius));

        if (sor.kind != analysis::Iteration::SorTextbook) continue;
        if (best && best->how == analysis::Optimum::How::Young) {
            Series young{std::string(text(Text::PlotYoungSeries)), {}, Style::Dotted, 4};
            for (int j = 1; j <= 199; ++j) {
                const double w = j / 100.0;
                young.points.push_back({w, youngRho(w, best->rhoJ, best->w)});
            }
            rho.series.push_back(std::move(young));
        } else {
            r.plot.notes.push_back(std::string(text(Text::PlotNoYoung)));
        }
    }
    for (Panel* p : {&sweeps, &rho}) {
        p->x.label = wLabel;
        p->x.lo = 0;
        p->x.hi = 2;
        p->x.ticks = linearTicks(0, 2, 8, decimal);
        p->legend = true;
    }
    sweeps.y = axisOver(std::string(text(Text::PlotSweepsAxis)), sweepValues, Scale::Linear, decimal);
    rho.y = axisOver(std::string(text(Text::PlotRhoAxis)), rhoValues, Scale::Linear, decimal);
    rho.lines.push_back({true, 1, "ρ = 1"});
    r.plot.panels.push_back(std::move(sweeps));
    r.plot.panels.push_back(std::move(rho));
    r.plot.title = format(Text::PlotOmegaTitle, limitText);
    return r;
}

}  // namespace lineer::plots
