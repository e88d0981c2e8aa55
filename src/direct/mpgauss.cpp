// Gauss elimination with maximum pivoting: the rows and columns are
// reordered first so that the largest remaining element comes to the
// diagonal in every step, then plain Gauss elimination solves the reordered
// system and the roots are put back into the given order of the variables.

#include <cmath>
#include <utility>

#include "directsolvers.h"
#include "listing.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

RunResult Module_LesMPGauss(Context& ctx) {
    Matrix& A = ctx.ws.A;
    Vector& x = ctx.ws.x;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    // order[k]: the given number of the variable whose column stands at k.
    int order[kDim] = {};
    for (int i = 1; i <= n; ++i) order[i] = i;

    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch::system(ctx, A, n, m) : 0;
    for (int k = 1; k <= n; ++k) {
        double largest = 0;
        // A step whose remaining block is all zero finds nothing and
        // exchanges nothing.
        int p = k, q = k;
        for (int i = k; i <= n; ++i)
            for (int j = k; j <= n; ++j)
                if (std::fabs(A(i, j)) > std::fabs(largest)) {
                    largest = A(i, j);
                    p = i;
                    q = j;
                }
        if (ctx.params.steps) steps::largestElement(ctx, k, largest, p, q);
        if (k != q) {
            std::swap(order[k], order[q]);
            for (int i = 1; i <= n; ++i) std::swap(A(i, k), A(i, q));
            if (ctx.params.steps) steps::columnExchange(ctx, k, q);
            if (watch) watch::columnExchange(ctx, grid, k, q, n);
        }
        if (k != p) {
            for (int j = 1; j <= m; ++j) std::swap(A(k, j), A(p, j));
            if (ctx.params.steps) steps::rowExchange(ctx, k, p);
            if (watch) watch::rowExchange(ctx, grid, k, p);
        }
    }

    ctx.blank();
    ctx.heading(Text::PivotedHeading);
    Listele(ctx, m, n, A);

    // After an early end the root vector holds nothing of this run.
    if (const RunResult r = Module_LesGauss(ctx); r.outcome != Outcome::Solved) {
        if (r.outcome == Outcome::ZeroPivot && ctx.params.steps)
            ctx.explain(std::string(text(Text::StepPivotsChosenBefore)));
        return r;
    }
    if (ctx.params.steps)
        for (int i = 1; i <= n; ++i)
            if (order[i] != i) {
                ctx.explain(std::string(text(Text::StepExchangedRoots)));
                break;
            }

    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= n; ++j)
            if (order[j] <= i) {
                order[j] = order[i];
                order[i] = i;
                std::swap(x(i), x(j));
                if (ctx.params.steps && i != j) steps::rootExchange(ctx, i, j);
            }

    ctx.blank();
    appendRootsBlock(ctx, Text::SortedRootsHeading);
    return ctx.solved();
}

}  // namespace lineer
