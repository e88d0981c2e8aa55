// The inverse by bordering (Scrobanski): the inverse of the leading k x k
// block grows in place into that of the leading (k + 1) x (k + 1) block.

#include "detinv.h"
#include "listing.h"
#include "numformat.h"
#include "scaled.h"
#include "squareblock.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

namespace {

// The border vector is not kept in the workspace, and r·B multiplies a
// row's scale by the inverse of another's: of rows in units of 1E-200 and
// 1E+200 it holds 1E-400. It is carried with its exponents apart, and each
// use rounds once to what is kept.
struct Border {
    Scaled c[kDim];
    double shown[kDim] = {};  // c for the explained steps

    void explain(Context& ctx, std::string_view name, int k) {
        for (int i = 1; i <= k; ++i) shown[i] = c[i].value();
        steps::vector(ctx, name, steps::entries(shown), 1, k);
    }
};

// Each step set apart, under its number, with what the formulas below name
// as the step finds it.
void explainStepStart(Context& ctx, const Matrix& A, int k, int e, double corner) {
    ctx.explain(LineKind::Blank, " ");
    ctx.explain(LineKind::Heading, format(Text::StepBorderingStep, intText(k), intText(e)));
    ctx.explain(format(Text::StepBlockDefined, intText(k)));
    ctx.explain(format(Text::StepBorderRowDefined, intText(e), intText(k),
                       steps::Line(ctx).vec(steps::rowOf(A, e), 1, k).text()));
    ctx.explain(format(Text::StepBorderColumnDefined, intText(e), intText(k),
                       steps::Line(ctx).vec(steps::columnOf(A, e), 1, k).text()));
    ctx.explain(format(Text::StepCornerDefined, intText(e), steps::Line(ctx).num(corner).text()));
}

// The first half of step k, for the bordering row and column e = k + 1:
// c = r·B, the corner d = a − c·u, and δ = 1 / d in the corner. False, with
// the corner holding d, when d is zero.
bool invertCorner(Context& ctx, Matrix& A, int k, Border& border) {
    const int e = k + 1;
    const double corner = A(e, e);
    if (ctx.params.steps) explainStepStart(ctx, A, k, e, corner);
    // Row e times the current inverse.
    for (int i = 1; i <= k; ++i)
        border.c[i] = carriedSum([&](auto add) {
            for (int j = 1; j <= k; ++j) add(A(e, j), A(j, i));
        });
    if (ctx.params.steps) border.explain(ctx, "c = r·B\u207b\u00b9", k);
    // The corner d = a - r·B·u, reduced in place term by term.
    for (int i = 1; i <= k; ++i) A(e, e) = differenceWith(A(e, e), border.c[i] * Scaled(A(i, e)));
    if (ctx.params.steps)
        steps::formula(ctx, "d = a \u2212 c·u", corner, steps::entries(border.shown), steps::columnOf(A, e), 1, k,
                       {}, A(e, e));
    if (A(e, e) == 0) return false;
    // An infinite d would turn into a corner of 0 and give a wrong inverse
    // that looks right; a d so small that 1 / d overflows cannot be
    // inverted either.
    requireFinite(A(e, e));
    A(e, e) = keptQuotient(1, A(e, e));
    requireFinite(A(e, e));
    if (ctx.params.steps) steps::value(ctx, "\u03b4 = 1 / d", A(e, e));
    return true;
}

// The second half of step k, with δ in the corner: the new bottom row, then
// c = −B·u, then the new block and the new column.
void growInverse(Context& ctx, Matrix& A, int k, Border& border) {
    const int e = k + 1;
    Scaled* c = border.c;
    const Scaled minusDelta(-A(e, e));
    for (int i = 1; i <= k; ++i) A(e, i) = kept(minusDelta * c[i]);
    if (ctx.params.steps)
        steps::vector(ctx, format(Text::StepNewRow, intText(e)) + " = \u2212\u03b4·c", steps::rowOf(A, e), 1, k);
    // Minus the current inverse times column e (still as loaded).
    // c(i) − a × b is c(i) + (−a) × b, bit for bit.
    for (int i = 1; i <= k; ++i)
        c[i] = carriedSum([&](auto add) {
            for (int j = 1; j <= k; ++j) add(-A(i, j), A(j, e));
        });
    if (ctx.params.steps) border.explain(ctx, "c = \u2212B\u207b\u00b9·u", k);
    // New block from the new bottom row, then the new column.
    // A(i, j) + c(i) × A(e, j) is A(i, j) − (−c(i)) × (A(e, j) / 1), bit for
    // bit: an elimination step with the new row as pivot row.
    const Scaled delta(A(e, e));
    const EliminationStep step(A.a[e], 1.0, 1, k);
    for (int i = 1; i <= k; ++i) {
        if (c[i].fitsNormal())
            step.apply(A.a[i], -c[i].value());
        else
            step.apply(A.a[i], -c[i]);
        A(i, e) = kept(delta * c[i]);
    }
    if (ctx.params.steps) {
        steps::vector(ctx, format(Text::StepNewColumn, intText(e)) + " = \u03b4·c", steps::columnOf(A, e), 1, k);
        ctx.explain(format(Text::StepEnlargedInverse, intText(e)));
        steps::block(ctx, A, e);
    }
}

}  // namespace

RunResult Module_InvScrobanski(Context& ctx) {
    Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    if (!squareBlockLoaded(ctx.ws)) return ctx.refuse(Text::TooFewColumns);

    // Without equations there is no block to invert; A(1, 1) is then not
    // part of the problem and stays as it is.
    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch->grid(Text::InverseHeading, A, n, n, 0) : 0;
    if (n >= 1) {
        if (A(1, 1) == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
        const double a11 = A(1, 1);
        A(1, 1) = keptQuotient(1, a11);
        requireFinite(A(1, 1));
        if (ctx.params.steps) steps::formula(ctx, "A(1,1)", 1, {}, {}, 1, 0, a11, A(1, 1));
        if (watch) watch->step({stepText(Text::StepViewInverse, intText(1)), grid, 1, 1, {1}, {}, 1, 1, {}});

        Border border;
        for (int k = 1; k <= n - 1; ++k) {
            if (!invertCorner(ctx, A, k, border)) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
            growInverse(ctx, A, k, border);
            if (watch) {
                StepMarks marks{stepText(Text::StepViewInverse, intText(k + 1)), grid, k + 1, k + 1, {}, {}, 1, k + 1, {}};
                for (int i = 1; i <= k + 1; ++i) marks.rows.push_back(i);
                watch->step(std::move(marks));
            }
        }
    }

    ctx.blank();
    ctx.heading(Text::InverseHeading);
    Listele(ctx, m, n, A);
    return ctx.solved();
}

}  // namespace lineer
