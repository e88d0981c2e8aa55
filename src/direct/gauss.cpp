// Gauss elimination without pivoting, then back-solving from the last row.

#include "directsolvers.h"
#include "listing.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

RunResult Module_LesGauss(Context& ctx) {
    Matrix& A = ctx.ws.A;
    Vector& x = ctx.ws.x;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch::system(ctx, A, n, m) : 0;
    // The steps that have a row below them.
    for (int k = 1; k < n; ++k) {
        // Row k does not change in step k, so one test before the rows
        // stands for the test at every column (when the step has a column
        // at all).
        if (k <= m && A(k, k) == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
        const double akk = A(k, k);
        const EliminationStep step(A.a[k], akk, k, m);
        steps::RowOperations explained(ctx);
        StepMarks marks;
        if (watch)
            marks = watch::elimination(A, stepText(Text::StepViewElimination, intText(k), watch::number(ctx, akk)), grid,
                                       k, k + 1, n, akk, k);
        for (int i = k + 1; i <= n; ++i) {
            const double f = A(i, k);
            if (ctx.params.steps) explained.add(i, f / akk, k, f == 0);
            step.apply(A.a[i], f);
        }
        if (ctx.params.steps) explained.finish();
        if (watch) watch->step(std::move(marks));
    }

    ctx.blank();
    ctx.heading(Text::UpperTriangularHeading);
    Listele(ctx, m, n, A);

    // Back-solving divides by A(n, n), which elimination never tests; with
    // no equations at all it would be the unused cell A(0, 0).
    if (A(n, n) == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
    x(n) = keptQuotient(A(n, m), A(n, n));
    if (ctx.params.steps) steps::formula(ctx, steps::name("x", n), A(n, m), {}, {}, 1, 0, A(n, n), x(n));
    for (int k = n - 1; k >= 1; --k) {
        const double numerator = subtractSum(A(k, m), [&](auto add) {
            for (int j = k + 1; j <= n; ++j) add(A(k, j), x(j));
        });
        x(k) = keptQuotient(numerator, A(k, k));
        if (ctx.params.steps)
            steps::formula(ctx, steps::name("x", k), A(k, m), steps::rowOf(A, k), steps::entries(x.v), k + 1, n,
                           A(k, k), x(k));
    }

    ctx.blank();
    appendRootsBlock(ctx, Text::RootsHeading);
    return ctx.solved();
}

}  // namespace lineer
