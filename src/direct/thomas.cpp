// The Thomas algorithm for tridiagonal systems: the three bands and the
// right side are copied out of the workspace, listed as a four-column
// table, and solved by one forward sweep and back substitution.

#include <cmath>
#include <memory>

#include "directsolvers.h"
#include "listing.h"
#include "numformat.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

namespace {

// The bands and the right side, indexed as the rows of the workspace.
struct Bands {
    Vector a, b, c, d;  // sub-diagonal, diagonal, super-diagonal, right side
};

// The step-by-step view's band table, when a view watches: a, b, c, d, then
// beta, gamma and x as the run forms them, one row per step.
struct Watched {
    Context& ctx;
    std::unique_ptr<Matrix> table;
    static constexpr int kBeta = 5, kGamma = 6, kX = 7;

    Watched(Context& c, const Bands& t, int n) : ctx(c) {
        if (!ctx.stepObserver) return;
        table = std::make_unique<Matrix>();
        for (int i = 1; i <= n; ++i) {
            (*table)(i, 1) = t.a(i);
            (*table)(i, 2) = t.b(i);
            (*table)(i, 3) = t.c(i);
            (*table)(i, 4) = t.d(i);
        }
        ctx.stepObserver->grid(Text::ThomasTableHeading, *table, n, kX, 4,
                               {"a", "b", "c", "d", "\u03b2", "\u03b3", "x"}, 4);
    }
    void swept(int i, double beta, double gamma) {
        if (!table) return;
        (*table)(i, kBeta) = beta;
        (*table)(i, kGamma) = gamma;
        ctx.stepObserver->step({stepText(Text::StepViewThomasRow, intText(i), watch::number(ctx, beta)), 0, i, kBeta,
                                {i}, {}, kBeta, 0, {}});
    }
    void solved(int i, double x) {
        if (!table) return;
        (*table)(i, kX) = x;
        ctx.stepObserver->step({stepText(Text::StepViewThomasBack, intText(i), watch::number(ctx, x)), 0, i, kX, {i},
                                {}, kX, 0, {}});
    }
};

// How the sweep or the back substitution ended.
enum class Fault { None, ZeroPivot, Overflow, Underflow };

// Up to this size, as for the LU factorisation, every value is written out
// with its formula; beyond it the sweep is a table.
constexpr int kExplainEach = 6;

Bands bandsOf(const Workspace& ws) {
    const Matrix& A = ws.A;
    const int n = ws.n;
    Bands t;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) t.a(i) = A(i, i - 1);
        t.b(i) = A(i, i);
        t.c(i) = A(i, i + 1);
        t.d(i) = A(i, n + 1);
    }
    t.c(n) = 0;
    return t;
}

// The table is a listing of its own: nothing is written unless every value
// can be shown.
void listBands(Context& ctx, const Bands& t, int n) {
    for (int i = 1; i <= n; ++i) {
        requireFinite(t.a(i));
        requireFinite(t.b(i));
        requireFinite(t.c(i));
        requireFinite(t.d(i));
    }
    ctx.blank();
    ctx.heading(Text::ThomasTableHeading);
    ctx.blank();
    for (int i = 1; i <= n; ++i) {
        std::string line;
        std::vector<CellSpan> cells;
        cells.reserve(4);
        const auto number = [&](double v) {
            const auto begin = static_cast<std::uint32_t>(line.size());
            appendFixed4(line, v, ctx.decimal);
            cells.push_back({begin, static_cast<std::uint32_t>(line.size())});
        };
        // An exact zero in a band is "0.0000" with a period, moved right.
        const auto band = [&](double v, std::string_view zeroIndent) {
            if (v == 0) {
                line += zeroIndent;
                appendCell(line, cells, "0.0000");
            } else {
                number(v);
            }
            line += "   ";
        };
        band(t.a(i), " ");
        number(t.b(i));
        line += "   ";
        band(t.c(i), "  ");
        number(t.d(i));
        ctx.appendRow(LineKind::TableRow, std::move(line), std::move(cells));
    }
}

// A quotient of a product of two non-zero numbers that came out zero or
// subnormal and did not vanish in a normal difference.
bool lost(double q, double u, double v, double difference) {
    return belowNormal(q) && u != 0 && v != 0 && belowNormal(difference);
}

// The explanation of beta(i) and gamma(i), from the values they were formed
// of: a row of a table, or (each) both formulas.
void explainSweep(Context& ctx, const Bands& t, bool each, int i, double beta, double gamma, double beforeBeta,
                  double beforeGamma, double betaBefore) {
    if (!each) {
        steps::thomasRow(ctx, i, beta, gamma);
        return;
    }
    if (i == 1) ctx.explain(LineKind::Heading, std::string(text(Text::StepThomasSweep)));
    steps::thomasFormula(ctx, "\u03b2", "b", "c", i, t.b(i), t.a(i), beforeBeta, betaBefore, beta);
    steps::thomasFormula(ctx, "\u03b3", "d", "\u03b3", i, t.d(i), t.a(i), beforeGamma, betaBefore, gamma);
}

// The forward sweep: beta(1..n) and gamma(1..n) for n >= 1. A beta or gamma
// that is not finite would be absorbed by a later step (a finite value over
// an infinite beta is 0), and one that has lost its digits below the normal
// range decides the rest as wrongly: either would show a wrong root as if it
// were right, so the sweep stops there with Overflow or Underflow. A beta
// of zero that a later step would divide by is a ZeroPivot.
Fault sweep(Context& ctx, const Bands& t, int n, bool each, Vector& beta, Vector& gamma, Watched& watched) {
    beta(1) = t.b(1);
    gamma(1) = t.d(1);
    watched.swept(1, beta(1), gamma(1));
    if (ctx.params.steps) {
        ctx.explain(std::string(text(Text::StepThomasSymbols)));
        explainSweep(ctx, t, each, 1, beta(1), gamma(1), 0, 0, 0);
    }
    for (int i = 2; i <= n; ++i) {
        if (beta(i - 1) == 0) return Fault::ZeroPivot;
        // a(i)·c(i − 1) multiplies two rows' scales: of rows in units of
        // 1E-200 it is 1E-400, which a double cannot hold although the
        // quotient by beta can. productOver carries it.
        const double qb = productOver(t.a(i), t.c(i - 1), beta(i - 1));
        const double qg = productOver(t.a(i), gamma(i - 1), beta(i - 1));
        beta(i) = t.b(i) - qb;
        gamma(i) = t.d(i) - qg;
        if (!std::isfinite(beta(i)) || !std::isfinite(gamma(i))) return Fault::Overflow;
        if (lost(qb, t.a(i), t.c(i - 1), beta(i)) || lost(qg, t.a(i), gamma(i - 1), gamma(i)))
            return Fault::Underflow;
        if (ctx.params.steps) explainSweep(ctx, t, each, i, beta(i), gamma(i), t.c(i - 1), gamma(i - 1), beta(i - 1));
        watched.swept(i, beta(i), gamma(i));
    }
    return Fault::None;
}

// Back substitution into x(1..n). beta(1..n-1) were tested in the sweep;
// beta(n) is divided by here first (ZeroPivot). A root that is not finite
// makes every root above it so too, and the roots block refuses to show it.
Fault backSubstitute(Context& ctx, const Bands& t, int n, bool each, const Vector& beta, const Vector& gamma,
                     Vector& x, Watched& watched) {
    if (beta(n) == 0) return Fault::ZeroPivot;
    try {
        x(n) = keptQuotient(gamma(n), beta(n));
        watched.solved(n, x(n));
        using steps::name;
        if (each)
            steps::formula(ctx, name("x", n) + " = " + name("\u03b3", n) + " / " + name("\u03b2", n), gamma(n), {}, {},
                           1, 0, beta(n), x(n));
        for (int i = n - 1; i >= 1; --i) {
            const double p = t.c(i) * x(i + 1);
            const double numerator = gamma(i) - p;
            if (lost(p, t.c(i), x(i + 1), numerator)) throw NumberUnderflow();
            x(i) = keptQuotient(numerator, beta(i));
            watched.solved(i, x(i));
            if (each) {
                const double ci[2] = {0, t.c(i)}, next[2] = {0, x(i + 1)};
                steps::formula(ctx,
                               name("x", i) + " = (" + name("\u03b3", i) + " \u2212 " + name("c", i) + " \u00d7 " +
                                   name("x", i + 1) + ") / " + name("\u03b2", i),
                               gamma(i), steps::entries(ci), steps::entries(next), 1, 1, beta(i), x(i));
            }
        }
    } catch (const NumberUnderflow&) {
        return Fault::Underflow;
    }
    return Fault::None;
}

// The entries off the three diagonals that hold numbers.
int entriesOffBands(const Matrix& A, int n) {
    int unused = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if ((j < i - 1 || j > i + 1) && A(i, j) != 0) ++unused;
    return unused;
}

}  // namespace

RunResult Module_LesThomas(Context& ctx) {
    const int n = ctx.ws.n;

    // The right side is column n + 1, which the workspace has only up to
    // 99 equations.
    if (n >= kMaxIndex) return ctx.refuse(Text::ThomasTooLarge);

    const Bands t = bandsOf(ctx.ws);
    listBands(ctx, t, n);

    Fault fault = Fault::None;
    if (n >= 1) {
        const bool each = ctx.params.steps && n <= kExplainEach;
        Vector beta, gamma;
        Watched watched(ctx, t, n);
        fault = sweep(ctx, t, n, each, beta, gamma, watched);
        if (fault == Fault::None) fault = backSubstitute(ctx, t, n, each, beta, gamma, ctx.ws.x, watched);
    }
    if (fault == Fault::ZeroPivot) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);

    // The overflow and the underflow end the run where the roots would
    // have begun.
    ctx.blank();
    if (fault == Fault::Overflow) throw NumberOverflow();
    if (fault == Fault::Underflow) throw NumberUnderflow();
    appendRootsBlock(ctx, Text::RootsHeading);

    // Only the three diagonals were read: say so when others hold numbers,
    // since these roots are then not those of the system in the file.
    const int unused = entriesOffBands(ctx.ws.A, n);
    if (unused > 0) ctx.remark(format(Text::NotTridiagonal, intText(unused)));
    return ctx.solved();
}

}  // namespace lineer
