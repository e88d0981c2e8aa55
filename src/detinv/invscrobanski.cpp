// The inverse by bordering (Scrobanski): the inverse of the leading k x k
// block grows in place into that of the leading (k + 1) x (k + 1) block.

#include "detinv.h"
#include "listing.h"
#include "numformat.h"
#include "squareblock.h"
#include "steps.h"

namespace lineer {

void Module_InvScrobanski(Context& ctx) {
    Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    if (!squareBlockLoaded(ctx)) return;

    // Without equations there is no block to invert; A(1, 1) is then not
    // part of the problem and stays as it is.
    if (n >= 1) {
        if (A(1, 1) == 0) {
            ctx.message(Text::ZeroDiagonal);
            return;
        }
        const double a11 = A(1, 1);
        A(1, 1) = 1 / a11;
        requireFinite(A(1, 1));
        if (ctx.params.steps) steps::formula(ctx, "A(1,1)", 1, {}, {}, 1, 0, a11, A(1, 1));

        double c[kDim] = {};
        for (int k = 1; k <= n - 1; ++k) {
            const int e = k + 1;  // the bordering row and column
            // Row e times the current inverse.
            for (int i = 1; i <= k; ++i) {
                c[i] = 0;
                for (int j = 1; j <= k; ++j) c[i] = c[i] + A(e, j) * A(j, i);
            }
            if (ctx.params.steps) steps::vector(ctx, format(Text::StepBorderingRow, intText(k)), steps::entries(c), 1, k);
            // The corner d = a - r·B·u, reduced in place term by term.
            for (int i = 1; i <= k; ++i) A(e, e) = A(e, e) - c[i] * A(i, e);
            if (ctx.params.steps) steps::value(ctx, "d = a \u2212 c·u", A(e, e));
            if (A(e, e) == 0) {
                ctx.message(Text::ZeroDiagonal);
                return;
            }
            // An infinite d (or c) would turn into a corner of 0 and give a
            // wrong inverse that looks right; a d so small that 1 / d
            // overflows cannot be inverted either.
            requireFinite(A(e, e));
            A(e, e) = 1 / A(e, e);
            requireFinite(A(e, e));
            if (ctx.params.steps) steps::value(ctx, "\u03b4 = 1 / d", A(e, e));
            // New bottom row.
            for (int i = 1; i <= k; ++i) A(e, i) = (-A(e, e)) * c[i];
            if (ctx.params.steps) steps::vector(ctx, format(Text::StepNewRow, intText(e)), steps::rowOf(A, e), 1, k);
            // Minus the current inverse times column e (still as loaded).
            for (int i = 1; i <= k; ++i) {
                c[i] = 0;
                for (int j = 1; j <= k; ++j) c[i] = c[i] - A(i, j) * A(j, e);
                requireFinite(c[i]);
            }
            if (ctx.params.steps) steps::vector(ctx, "c = \u2212B·u", steps::entries(c), 1, k);
            // New block from the new bottom row, then the new column.
            for (int i = 1; i <= k; ++i) {
                for (int j = 1; j <= k; ++j) A(i, j) = A(i, j) + c[i] * A(e, j);
                A(i, e) = A(e, e) * c[i];
            }
            if (ctx.params.steps) steps::vector(ctx, format(Text::StepNewColumn, intText(e)), steps::columnOf(A, e), 1, k);
        }
    }

    ctx.append(" ");
    ctx.append(Text::InverseHeading);
    Listele(ctx, m, n, A);
}

}  // namespace lineer
