// The plots' descriptions: what each one draws, read from its points,
// axes and marks.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "plots.h"
#include "session.h"
#include "testhost.h"

namespace lineer {
namespace {

std::unique_ptr<Workspace> system(const std::vector<std::vector<double>>& rows) {
    auto ws = std::make_unique<Workspace>();
    ws->n = static_cast<int>(rows.size());
    ws->m = static_cast<int>(rows[0].size());
    for (int i = 1; i <= ws->n; ++i)
        for (int j = 1; j <= ws->m; ++j) ws->A(i, j) = rows[i - 1][j - 1];
    return ws;
}

std::unique_ptr<Workspace> tridiagonal(int n) {
    std::vector<std::vector<double>> rows(n, std::vector<double>(n + 1, 0.0));
    for (int i = 0; i < n; ++i) {
        rows[i][i] = 2;
        if (i > 0) rows[i][i - 1] = -1;
        if (i + 1 < n) rows[i][i + 1] = -1;
        rows[i][n] = 1;
    }
    return system(rows);
}

// The texts the tests compare are the English ones.
class Plots : public ::testing::Test {
protected:
    void SetUp() override { setLanguage(Language::English); }
    void TearDown() override { setLanguage(Language::Turkish); }
};

const std::vector<std::vector<double>> kTwo = {{10, 1, 12}, {2, 10, 22}};

// Nothing a drawing cannot show: finite points inside their axes, a log
// axis above 0, ticks within the range.
void expectDrawable(const plots::Plot& plot) {
    for (const plots::Panel& p : plot.panels) {
        for (const plots::Axis* a : {&p.x, &p.y}) {
            EXPECT_TRUE(std::isfinite(a->lo) && std::isfinite(a->hi) && a->lo < a->hi) << a->label;
            if (a->scale == plots::Scale::Log) EXPECT_GT(a->lo, 0) << a->label;
            for (const plots::Tick& t : a->ticks) EXPECT_TRUE(t.at >= a->lo && t.at <= a->hi) << t.label;
        }
        for (const plots::Series& s : p.series)
            for (const plots::Point& pt : s.points) {
                EXPECT_TRUE(std::isfinite(pt.x) && std::isfinite(pt.y)) << s.name;
                if (p.y.scale == plots::Scale::Log) EXPECT_TRUE(pt.y >= p.y.lo && pt.y <= p.y.hi) << s.name;
            }
    }
}

TEST_F(Plots, OmegaPlotMarksTheTextbookOptimumOfTheModelProblem) {
    const auto ws = tridiagonal(10);
    const plots::Result r = plots::omega(*ws, RunParameters{}, ".");
    ASSERT_TRUE(r.problem.empty());
    ASSERT_EQ(r.plot.panels.size(), 2u);
    expectDrawable(r.plot);
    // Young: 2 / (1 + sin(π / (n + 1))).
    const double young = 2 / (1 + std::sin(std::numbers::pi / 11));
    EXPECT_NEAR(young, 1.5604, 5e-5);
    const plots::Panel& rho = r.plot.panels[1];
    bool marked = false;
    for (const plots::Mark& m : rho.marks)
        if (m.label == "SOR (textbook): least ρ at ω = 1.56") {
            marked = true;
            EXPECT_NEAR(m.at.x, young, 5e-3);
            EXPECT_LT(m.at.y, 0.6);
        }
    EXPECT_TRUE(marked);
    bool hasYoung = false;
    for (const plots::Series& s : rho.series) hasYoung = hasYoung || s.name == "Young's curve";
    EXPECT_TRUE(hasYoung);
    // The fewest sweeps of the textbook SOR lie near its optimum, far
    // below Gauss-Seidel's (ω = 1).
    const plots::Panel& sweeps = r.plot.panels[0];
    ASSERT_EQ(sweeps.marks.size(), 2u);
    EXPECT_NEAR(sweeps.marks[1].at.x, young, 0.1);
    EXPECT_LT(sweeps.marks[1].at.y, 40);
}

TEST_F(Plots, ConvergencePlotRunsToTheSweepsTheMethodRanOnALogAxis) {
    const auto ws = system({{10, -1, 2, 0, 6}, {-1, 11, -1, 3, 25}, {2, -1, 10, -1, -11}, {0, 3, -1, 8, 15}});
    for (Option o : {Option::LesJacobi, Option::LesGaussSidel, Option::LesSOR}) {
        SCOPED_TRACE(static_cast<int>(o));
        test::TestHost h;
        auto copy = std::make_unique<Workspace>(*ws);
        Context ctx{*copy, h};
        const RunResult run = runMethod(ctx, o);
        const plots::Result r = plots::convergence(*ws, RunParameters{}, o, false, ".");
        ASSERT_EQ(r.plot.panels.size(), 1u);
        expectDrawable(r.plot);
        const plots::Panel& p = r.plot.panels[0];
        EXPECT_EQ(p.y.scale, plots::Scale::Log);
        EXPECT_EQ(p.x.hi, static_cast<double>(run.sweeps));
        ASSERT_EQ(p.series.size(), 3u);  // change, error, ρ^k
        EXPECT_EQ(p.series[0].points.back(), (plots::Point{static_cast<double>(run.sweeps), run.lastChange}));
        ASSERT_EQ(p.lines.size(), 1u);
        EXPECT_EQ(p.lines[0].at, 0.00001);
    }
    EXPECT_EQ(plots::convergence(*ws, RunParameters{}, Option::LesSOR, false, ".").plot.title,
              "SOR iteration, ω = 1: the largest change in every sweep");
    const plots::Result all = plots::convergence(*ws, RunParameters{}, std::nullopt, true, ".");
    EXPECT_EQ(all.plot.panels[0].series.size(), 12u + 3);  // and the legend's key to the lines
    EXPECT_TRUE(all.plot.panels[0].legend);
}

TEST_F(Plots, ConvergencePlotADivergingOrSingularRunShowsNothingInfinite) {
    RunParameters far;
    far.maxIterText = "100000";
    const auto diverging = system({{1, 2, 3}, {3, 1, 4}});
    const plots::Result r = plots::convergence(*diverging, far, Option::LesJacobi, false, ".");
    expectDrawable(r.plot);
    EXPECT_FALSE(r.plot.notes.empty());  // the run's message
    const auto singular = system({{1, 2, 3}, {2, 4, 6}});
    const plots::Result s = plots::convergence(*singular, far, std::nullopt, true, ".");
    expectDrawable(s.plot);
    EXPECT_EQ(s.plot.notes[0], "The system has no unique solution: no error is drawn.");
}

TEST_F(Plots, GeometryPlotGaussSeidelZigZagsFromLineToLine) {
    const auto ws = system(kTwo);
    RunParameters params;
    const plots::Result gs = plots::geometry(*ws, params, Option::LesGaussSidel, ".");
    ASSERT_TRUE(gs.problem.empty());
    expectDrawable(gs.plot);
    const plots::Panel& p = gs.plot.panels[0];
    ASSERT_EQ(p.series.size(), 3u);
    const std::vector<plots::Point>& path = p.series[2].points;
    ASSERT_EQ(path.size(), 1u + 2 * 5);  // the start, then a corner and an iterate per sweep
    for (std::size_t k = 1; k < path.size(); ++k) {
        const int eq = k % 2 == 1 ? 0 : 1;  // a corner lies on line 1, an iterate on line 2
        EXPECT_NEAR(kTwo[eq][0] * path[k].x + kTwo[eq][1] * path[k].y, kTwo[eq][2], 1e-12) << k;
    }
    EXPECT_EQ(p.marks.back().label, "solution (1, 2)");
    const plots::Result jacobi = plots::geometry(*ws, params, Option::LesJacobi, ".");
    EXPECT_EQ(jacobi.plot.panels[0].series[2].points.size(), 1u + 7);
}

TEST_F(Plots, GeometryPlotSingularSystemsAndOtherSizesSaySo) {
    struct Case {
        std::vector<std::vector<double>> rows;
        const char* note;
        const char* problem;
    };
    const Case cases[] = {
        {{{1, 2, 3}, {2, 4, 7}}, "The lines are parallel: the system has no solution.", ""},
        {{{1, 2, 3}, {2, 4, 6}}, "The lines coincide: the system has infinitely many solutions.", ""},
        {{{0, 0, 1}, {1, 1, 2}}, "Both coefficients of equation 1 are 0: it is no line.", ""},
        {{{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}}, "",
         "The geometry needs a 2 × 2 system (2 rows, 3 columns); this matrix is 3 × 4."},
    };
    for (const Case& c : cases) {
        const plots::Result r = plots::geometry(*system(c.rows), RunParameters{}, Option::LesGaussSidel, ".");
        EXPECT_EQ(r.problem, c.problem);
        if (*c.note) {
            ASSERT_FALSE(r.plot.notes.empty());
            EXPECT_EQ(r.plot.notes[0], c.note);
            expectDrawable(r.plot);
        }
    }
}

}  // namespace
}  // namespace lineer
