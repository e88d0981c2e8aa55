// The Thomas algorithm for tridiagonal systems: the three bands and the
// right side are copied out of the workspace, listed as a four-column
// table, and solved by one forward sweep and back substitution.

#include <cmath>

#include "directsolvers.h"
#include "listing.h"
#include "numformat.h"
#include "scaled.h"
#include "steps.h"

namespace lineer {

RunResult Module_LesThomas(Context& ctx) {
    const Matrix& A = ctx.ws.A;
    Vector& x = ctx.ws.x;
    const int n = ctx.ws.n;

    // The right side is column n + 1, which the workspace has only up to
    // 99 equations.
    if (n >= kMaxIndex) return ctx.refuse(Text::ThomasTooLarge);

    Vector a, b, c, d;  // sub-diagonal, diagonal, super-diagonal, right side
    for (int i = 1; i <= n; ++i) {
        if (i > 1) a(i) = A(i, i - 1);
        b(i) = A(i, i);
        c(i) = A(i, i + 1);
        d(i) = A(i, n + 1);
    }
    c(n) = 0;

    // The table is a listing of its own: nothing is written unless every
    // value can be shown.
    for (int i = 1; i <= n; ++i) {
        requireFinite(a(i));
        requireFinite(b(i));
        requireFinite(c(i));
        requireFinite(d(i));
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
        band(a(i), " ");
        number(b(i));
        line += "   ";
        band(c(i), "  ");
        number(d(i));
        ctx.appendRow(LineKind::TableRow, std::move(line), std::move(cells));
    }

    // A beta or gamma that is not finite would be absorbed by a later step
    // (a finite value over an infinite beta is 0), and one that has lost its
    // digits below the normal range decides the rest as wrongly: either
    // would show a wrong root as if it were right. The run ends with the
    // overflow or the underflow message where the roots would have begun.
    enum class Fault { None, Overflow, Underflow };
    Fault fault = Fault::None;
    // A quotient of a product of two non-zero numbers that came out zero or
    // subnormal and did not vanish in a normal difference.
    const auto lost = [](double q, double u, double v, double difference) {
        return belowNormal(q) && u != 0 && v != 0 && belowNormal(difference);
    };
    // Up to this size, as for the LU factorisation, every value is written
    // out with its formula; beyond it the sweep is a table.
    constexpr int kExplainEach = 6;
    const bool each = ctx.params.steps && n <= kExplainEach;
    const auto explainSweep = [&](int i, double beta, double gamma, double beforeBeta, double beforeGamma,
                                  double betaBefore) {
        if (!each) {
            steps::thomasRow(ctx, i, beta, gamma);
            return;
        }
        if (i == 1) ctx.explain(LineKind::Heading, std::string(text(Text::StepThomasSweep)));
        steps::thomasFormula(ctx, "\u03b2", "b", "c", i, b(i), a(i), beforeBeta, betaBefore, beta);
        steps::thomasFormula(ctx, "\u03b3", "d", "\u03b3", i, d(i), a(i), beforeGamma, betaBefore, gamma);
    };
    if (n >= 1) {
        Vector beta, gamma;
        beta(1) = b(1);
        gamma(1) = d(1);
        if (ctx.params.steps) {
            ctx.explain(std::string(text(Text::StepThomasSymbols)));
            explainSweep(1, beta(1), gamma(1), 0, 0, 0);
        }
        for (int i = 2; i <= n && fault == Fault::None; ++i) {
            if (beta(i - 1) == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
            // a(i)·c(i − 1) multiplies two rows' scales: of rows in units of
            // 1E-200 it is 1E-400, which a double cannot hold although the
            // quotient by beta can. productOver carries it.
            const double qb = productOver(a(i), c(i - 1), beta(i - 1));
            const double qg = productOver(a(i), gamma(i - 1), beta(i - 1));
            beta(i) = b(i) - qb;
            gamma(i) = d(i) - qg;
            if (!std::isfinite(beta(i)) || !std::isfinite(gamma(i)))
                fault = Fault::Overflow;
            else if (lost(qb, a(i), c(i - 1), beta(i)) || lost(qg, a(i), gamma(i - 1), gamma(i)))
                fault = Fault::Underflow;
            else if (ctx.params.steps)
                explainSweep(i, beta(i), gamma(i), c(i - 1), gamma(i - 1), beta(i - 1));
        }
        // beta(1..n-1) were tested in the sweep; beta(n) is divided by here
        // first.
        if (fault == Fault::None && beta(n) == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
        // A root that is not finite makes every root above it so too, and
        // the roots block refuses to show it.
        if (fault == Fault::None) {
            try {
                x(n) = keptQuotient(gamma(n), beta(n));
                using steps::name;
                if (each)
                    steps::formula(ctx, name("x", n) + " = " + name("\u03b3", n) + " / " + name("\u03b2", n), gamma(n),
                                   {}, {}, 1, 0, beta(n), x(n));
                for (int i = n - 1; i >= 1; --i) {
                    const double p = c(i) * x(i + 1);
                    const double numerator = gamma(i) - p;
                    if (lost(p, c(i), x(i + 1), numerator)) throw NumberUnderflow();
                    x(i) = keptQuotient(numerator, beta(i));
                    if (each) {
                        const double ci[2] = {0, c(i)}, next[2] = {0, x(i + 1)};
                        steps::formula(ctx,
                                       name("x", i) + " = (" + name("\u03b3", i) + " \u2212 " + name("c", i) + " \u00d7 " +
                                           name("x", i + 1) + ") / " + name("\u03b2", i),
                                       gamma(i), steps::entries(ci), steps::entries(next), 1, 1, beta(i), x(i));
                    }
                }
            } catch (const NumberUnderflow&) {
                fault = Fault::Underflow;
            }
        }
    }

    ctx.blank();
    if (fault == Fault::Overflow) throw NumberOverflow();
    if (fault == Fault::Underflow) throw NumberUnderflow();
    appendRootsBlock(ctx, Text::RootsHeading);

    // Only the three diagonals were read: say so when others hold numbers,
    // since these roots are then not those of the system in the file.
    int unused = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if ((j < i - 1 || j > i + 1) && A(i, j) != 0) ++unused;
    if (unused > 0) ctx.remark(format(Text::NotTridiagonal, intText(unused)));
    return ctx.solved();
}

}  // namespace lineer
