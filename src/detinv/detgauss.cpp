// The determinant of the square block by Gauss elimination without
// pivoting: the product of the diagonal of the triangular block, in
// doubles or in exact fractions.

#include "detinv.h"
#include "exactlisting.h"
#include "exactrun.h"
#include "listing.h"
#include "steps.h"
#include "watch.h"
#include "numformat.h"
#include "scaled.h"
#include "squareblock.h"

namespace lineer {

namespace {

// d = A(1, 1) * A(2, 2) * ... in this order, with the exponent carried
// apart so that no partial product overflows or underflows: an ordinary
// determinant behind extreme factors comes out right, and only one that
// is itself out of range overflows. One below the normal range is shown
// as what it rounds to at four decimals, 0; its remark gives it in full.
RunResult doubleDeterminant(Context& ctx, const Matrix& A, int n) {
    Scaled product(1.0);
    for (int k = 1; k <= n; ++k) product = product * Scaled(A(k, k));
    const double d = product.value();
    requireFinite(d);
    ctx.blank();
    ctx.append(format(Text::DeterminantLine, formatRounded(d, 4, ctx.decimal)));
    RunResult result = ctx.solved();
    result.determinant = RunResult::Binary{product.mantissa(), product.exponent()};
    return result;
}

template <class S>
RunResult detGauss(Context& ctx, typename Arith<S>::Space& ws) {
    using Num = Arith<S>;
    auto& A = ws.A;
    const int n = ws.n;
    const int m = ws.m;

    if (!squareBlockLoaded(ctx.ws)) return ctx.refuse(Text::TooFewColumns);

    // The step view watches the runs in doubles.
    StepObserver* const watch = Num::exact ? nullptr : ctx.stepObserver;
    int grid = 0;
    if constexpr (!Num::exact) grid = watch ? watch::system(ctx, A, n, m) : 0;
    Scaled pivots(1.0);  // the product so far, for the view
    // The steps that have a row below them.
    for (int k = 1; k < n; ++k) {
        // Row k does not change in step k: one test stands for all columns.
        if (A(k, k) == 0) return ctx.stopInPicture(Outcome::ZeroPivot, Text::ZeroDiagonal);
        const S akk = A(k, k);
        const typename Num::Step step(A.row(k), akk, k, n);
        steps::RowOperations explained(ctx);
        StepMarks marks;
        if constexpr (!Num::exact) {
            if (watch) {
                pivots = pivots * Scaled(akk);
                marks = watch::elimination(A,
                                           stepText(Text::StepViewDeterminant, intText(k), watch::number(ctx, akk),
                                                    watch::number(ctx, pivots.value())),
                                           grid, k, k + 1, n, akk, k);
            }
        }
        for (int i = k + 1; i <= n; ++i) {
            const S f = A(i, k);
            if (ctx.params.steps) explained.add(i, S(f / akk), k, f == 0);
            step.apply(A.row(i), f);
        }
        if (ctx.params.steps) explained.finish();
        if (watch) watch->step(std::move(marks));
    }

    ctx.blank();
    ctx.heading(Text::UpperTriangularHeading);
    Listele(ctx, m, n, A);

    if (ctx.params.steps) steps::diagonalProduct(ctx, A, n);

    if constexpr (Num::exact) {
        Rational d = 1;
        for (int k = 1; k <= n; ++k) d *= A(k, k);
        ctx.blank();
        ctx.append(format(Text::DeterminantLine, exactText(ctx, d)));
        RunResult result = ctx.solved();
        // The remarks judge double rounding; an exact run has none.
        result.determinant = RunResult::Binary{nearestDouble(d), 0};
        return result;
    } else {
        return doubleDeterminant(ctx, A, n);
    }
}

}  // namespace

RunResult Module_DetGauss(Context& ctx) { return detGauss<double>(ctx, ctx.ws); }
RunResult Module_DetGaussExact(Context& ctx) { return runExact(ctx, detGauss<Rational>, false); }

}  // namespace lineer
