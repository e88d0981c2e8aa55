// Gauss elimination without pivoting, then back-solving from the last row,
// in doubles or in exact fractions.

#include "directsolvers.h"
#include "exactlisting.h"
#include "exactrun.h"
#include "listing.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

namespace {

template <class S>
RunResult lesGauss(Context& ctx, typename Arith<S>::Space& ws) {
    using Num = Arith<S>;
    auto& A = ws.A;
    auto& x = ws.x;
    const int n = ws.n;
    const int m = ws.m;

    // The step view watches the runs in doubles.
    StepObserver* const watch = Num::exact ? nullptr : ctx.stepObserver;
    int grid = 0;
    if constexpr (!Num::exact) grid = watch ? watch::system(ctx, A, n, m) : 0;
    // The steps that have a row below them.
    for (int k = 1; k < n; ++k) {
        // Row k does not change in step k, so one test before the rows
        // stands for the test at every column (when the step has a column
        // at all).
        if (k <= m && A(k, k) == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
        const S akk = A(k, k);
        const typename Num::Step step(A.row(k), akk, k, m);
        steps::RowOperations explained(ctx);
        StepMarks marks;
        if constexpr (!Num::exact)
            if (watch)
                marks = watch::elimination(A, stepText(Text::StepViewElimination, intText(k), watch::number(ctx, akk)),
                                           grid, k, k + 1, n, akk, k);
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

    // Back-solving divides by A(n, n), which elimination never tests; with
    // no equations at all it would be the unused cell A(0, 0).
    if (A(n, n) == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
    x(n) = Num::quotient(A(n, m), A(n, n));
    if (ctx.params.steps)
        steps::formula(ctx, steps::name("x", n), A(n, m), {}, {}, 1, 0, std::optional<S>(A(n, n)), S(x(n)));
    for (int k = n - 1; k >= 1; --k) {
        const S numerator = Num::subtractSum(A(k, m), [&](auto add) {
            for (int j = k + 1; j <= n; ++j) add(A(k, j), x(j));
        });
        x(k) = Num::quotient(numerator, A(k, k));
        if (ctx.params.steps)
            steps::formula(ctx, steps::name("x", k), A(k, m), steps::rowOf(A, k), steps::entries(x), k + 1, n,
                           std::optional<S>(A(k, k)), S(x(k)));
    }

    ctx.blank();
    if constexpr (Num::exact)
        appendRootsBlock(ctx, Text::RootsHeading, x, n);
    else
        appendRootsBlock(ctx, Text::RootsHeading);
    return ctx.solved();
}

}  // namespace

RunResult Module_LesGauss(Context& ctx) { return lesGauss<double>(ctx, ctx.ws); }
RunResult Module_LesGaussExact(Context& ctx) { return runExact(ctx, lesGauss<Rational>); }

}  // namespace lineer
