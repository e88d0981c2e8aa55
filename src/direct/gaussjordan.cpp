// Gauss-Jordan elimination with partial pivoting: the matrix is reduced in
// place and listed after every exchange, normalisation and elimination; the
// roots are the last column of the final listing.

#include <cmath>
#include <utility>

#include "directsolvers.h"
#include "listing.h"
#include "scaled.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

RunResult Module_LesGaussJordan(Context& ctx) {
    Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch::system(ctx, A, n, m) : 0;
    for (int k = 1; k <= n; ++k) {
        int p = k;
        double largest = std::fabs(A(k, k));
        for (int i = k + 1; i <= n; ++i)
            if (std::fabs(A(i, k)) > largest) {
                p = i;
                largest = std::fabs(A(i, k));
            }
        if (p != k) {
            for (int j = k; j <= m; ++j) std::swap(A(k, j), A(p, j));
            if (ctx.params.steps) steps::rowExchange(ctx, k, p);
            if (watch) watch::rowExchange(ctx, grid, k, p);
            Listele(ctx, m, n, A);
        }

        const double pivot = A(k, k);
        // A zero pivot means column k is zero from row k down: the system
        // is singular. Only a row that has columns from k on is divided.
        if (k <= m && pivot == 0) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
        for (int j = k; j <= m; ++j) A(k, j) = keptQuotient(A(k, j), pivot);
        if (ctx.params.steps) steps::rowDivision(ctx, k, pivot);
        if (watch)
            watch->step({stepText(Text::StepViewDivision, intText(k), watch::number(ctx, pivot)), grid, k, k, {k}, {},
                         1, 0, {}});
        Listele(ctx, m, n, A);

        // A(k, j) × f is f × (A(k, j) / 1): the same bits.
        const EliminationStep step(A.a[k], 1.0, k, m);
        steps::RowOperations explained(ctx);
        StepMarks marks;
        if (watch) marks = watch::elimination(A, stepText(Text::StepViewJordan, intText(k)), grid, k, 1, n, 1.0, 1);
        for (int i = 1; i <= n; ++i) {
            if (i == k) continue;
            const double f = A(i, k);
            if (ctx.params.steps) explained.add(i, f, k, f == 0);
            step.apply(A.a[i], f);
        }
        if (ctx.params.steps) explained.finish();
        if (watch) watch->step(std::move(marks));
        Listele(ctx, m, n, A);
    }
    return ctx.solved();
}

}  // namespace lineer
