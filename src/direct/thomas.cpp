// The Thomas algorithm for tridiagonal systems: the three bands and the
// right side are copied out of the workspace, listed as a four-column
// table, and solved by one forward sweep and back substitution.

#include <cmath>

#include "directsolvers.h"
#include "listing.h"
#include "numformat.h"
#include "steps.h"

namespace lineer {

void Module_LesThomas(Context& ctx) {
    const Matrix& A = ctx.ws.A;
    Vector& x = ctx.ws.x;
    const int n = ctx.ws.n;

    // The right side is column n + 1, which the workspace has only up to
    // 99 equations.
    if (n >= kMaxIndex) {
        ctx.message(Text::ThomasTooLarge);
        return;
    }

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
    ctx.append(" ");
    ctx.append(Text::ThomasTableHeading);
    ctx.append(" ");
    for (int i = 1; i <= n; ++i) {
        std::string line;
        if (a(i) == 0) {
            line += " 0.0000   ";
        } else {
            appendFixed4(line, a(i), ctx.decimal);
            line += "   ";
        }
        appendFixed4(line, b(i), ctx.decimal);
        line += "   ";
        if (c(i) == 0) {
            line += "  0.0000   ";
        } else {
            appendFixed4(line, c(i), ctx.decimal);
            line += "   ";
        }
        appendFixed4(line, d(i), ctx.decimal);
        ctx.append(std::move(line));
    }

    // A beta or gamma that is not finite would be absorbed by a later step
    // (a finite value over an infinite beta is 0) and show a wrong root as
    // if it were right: the run ends with the overflow message where the
    // roots would have begun.
    bool finite = true;
    if (n >= 1) {
        Vector beta, gamma;
        beta(1) = b(1);
        gamma(1) = d(1);
        if (ctx.params.steps) steps::thomasRow(ctx, 1, beta(1), gamma(1));
        for (int i = 2; i <= n && finite; ++i) {
            if (beta(i - 1) == 0) {
                ctx.message(Text::ZeroDiagonal);
                return;
            }
            beta(i) = b(i) - (a(i) * c(i - 1)) / beta(i - 1);
            gamma(i) = d(i) - (a(i) * gamma(i - 1)) / beta(i - 1);
            finite = std::isfinite(beta(i)) && std::isfinite(gamma(i));
            if (finite && ctx.params.steps) steps::thomasRow(ctx, i, beta(i), gamma(i));
        }
        // beta(1..n-1) were tested in the sweep; beta(n) is divided by here
        // first.
        if (finite && beta(n) == 0) {
            ctx.message(Text::ZeroDiagonal);
            return;
        }
        // A root that is not finite makes every root above it so too, and
        // the roots block refuses to show it.
        if (finite) {
            x(n) = gamma(n) / beta(n);
            for (int i = n - 1; i >= 1; --i) x(i) = (gamma(i) - c(i) * x(i + 1)) / beta(i);
        }
    }

    ctx.append(" ");
    if (!finite) throw NumberOverflow();
    appendRootsBlock(ctx, Text::RootsHeading);
}

}  // namespace lineer
