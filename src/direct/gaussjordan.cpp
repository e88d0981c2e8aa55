// Gauss-Jordan elimination with partial pivoting: the matrix is reduced in
// place and listed after every exchange, normalisation and elimination; the
// roots are the last column of the final listing. In doubles or in exact
// fractions.

#include <cmath>
#include <utility>

#include "directsolvers.h"
#include "exactlisting.h"
#include "exactrun.h"
#include "listing.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

namespace {

template <class S>
RunResult lesGaussJordan(Context& ctx, typename Arith<S>::Space& ws) {
    using Num = Arith<S>;
    auto& A = ws.A;
    const int n = ws.n;
    const int m = ws.m;

    // The step view watches the runs in doubles.
    StepObserver* const watch = Num::exact ? nullptr : ctx.stepObserver;
    int grid = 0;
    if constexpr (!Num::exact) grid = watch ? watch::system(ctx, A, n, m) : 0;
    for (int k = 1; k <= n; ++k) {
        int p = k;
        S largest = Num::magnitude(A(k, k));
        for (int i = k + 1; i <= n; ++i)
            if (Num::magnitude(A(i, k)) > largest) {
                p = i;
                largest = Num::magnitude(A(i, k));
            }
        if (p != k) {
            for (int j = k; j <= m; ++j) std::swap(A(k, j), A(p, j));
            if (ctx.params.steps) steps::rowExchange(ctx, k, p);
            if (watch) watch::rowExchange(ctx, grid, k, p);
            Listele(ctx, m, n, A);
        }

        const S pivot = A(k, k);
        // A zero pivot means column k is zero from row k down: the system
        // is singular. Only a row that has columns from k on is divided.
        if (k <= m && pivot == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
        for (int j = k; j <= m; ++j) A(k, j) = Num::quotient(A(k, j), pivot);
        if (ctx.params.steps) steps::rowDivision(ctx, k, pivot);
        if constexpr (!Num::exact)
            if (watch)
                watch->step({stepText(Text::StepViewDivision, intText(k), watch::number(ctx, pivot)), grid, k, k, {k},
                             {}, 1, 0, {}});
        Listele(ctx, m, n, A);

        // A(k, j) × f is f × (A(k, j) / 1): the same bits.
        const typename Num::Step step(A.row(k), S(1), k, m);
        steps::RowOperations explained(ctx);
        StepMarks marks;
        if constexpr (!Num::exact)
            if (watch) marks = watch::elimination(A, stepText(Text::StepViewJordan, intText(k)), grid, k, 1, n, 1.0, 1);
        for (int i = 1; i <= n; ++i) {
            if (i == k) continue;
            const S f = A(i, k);
            if (ctx.params.steps) explained.add(i, f, k, f == 0);
            step.apply(A.row(i), f);
        }
        if (ctx.params.steps) explained.finish();
        if (watch) watch->step(std::move(marks));
        Listele(ctx, m, n, A);
    }
    return ctx.solved();
}

}  // namespace

RunResult Module_LesGaussJordan(Context& ctx) { return lesGaussJordan<double>(ctx, ctx.ws); }
RunResult Module_LesGaussJordanExact(Context& ctx) { return runExact(ctx, lesGaussJordan<Rational>); }

}  // namespace lineer
