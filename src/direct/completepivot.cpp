// Gauss elimination with complete pivoting: in every step the element of
// largest absolute value in the remaining block comes to the diagonal by
// an exchange of columns (the variables change places, and are tracked)
// and of rows, and the rows below are eliminated at once; after
// back-solving, the roots go back into the given order of the variables.
// Unlike the maximum pivoting of the form, each search looks at the block
// as the earlier steps have eliminated it.

#include <cmath>
#include <utility>

#include "directsolvers.h"
#include "listing.h"
#include "numformat.h"
#include "pivoting.h"
#include "watch.h"

namespace lineer {

namespace {

// The largest |A(i, j)| of rows and columns k..n, and where (p, q): the
// first in the order of the rows, then of the columns; 0 when all are 0.
double largestOfBlock(const Matrix& A, int n, int k, int& p, int& q) {
    double largest = 0;
    for (int i = k; i <= n; ++i)
        for (int j = k; j <= n; ++j)
            if (std::fabs(A(i, j)) > largest) {
                largest = std::fabs(A(i, j));
                p = i;
                q = j;
            }
    return largest;
}

}  // namespace

RunResult Module_LesCompletePivot(Context& ctx) {
    if (!systemLoaded(ctx.ws)) return ctx.refuse(Text::SystemNeeded);
    Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    // order[k]: the given number of the variable whose column stands at k.
    int order[kDim] = {};
    for (int k = 1; k <= n; ++k) order[k] = k;

    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch::system(ctx, A, n, m) : 0;
    if (n > 1) pivoting::heading(ctx, Text::CompletePivotingHeading);
    for (int k = 1; k < n; ++k) {
        int p = k, q = k;
        if (largestOfBlock(A, n, k, p, q) == 0)
            return ctx.stop(Outcome::ZeroPivot, format(Text::SingularBlock, intText(k)));
        pivoting::completeStep(ctx, k, A(p, q), p, q);
        if (q != k) {
            std::swap(order[k], order[q]);
            for (int i = 1; i <= n; ++i) std::swap(A(i, k), A(i, q));
            if (watch) watch::columnExchange(ctx, grid, k, q, n);
        }
        // Left of column k both rows hold the zeros of the earlier steps.
        if (p != k) {
            for (int j = k; j <= m; ++j) std::swap(A(k, j), A(p, j));
            if (watch) watch::rowExchange(ctx, grid, k, p);
        }
        pivoting::eliminate(ctx, A, n, k, m);
    }

    ctx.blank();
    ctx.heading(Text::UpperTriangularHeading);
    Listele(ctx, m, n, A);
    pivoting::columnVariables(ctx, order, n);

    if (A(n, n) == 0) return ctx.stop(Outcome::ZeroPivot, format(Text::SingularBlock, intText(n)));
    double y[kDim] = {};
    backSolve(ctx, A, n, m, y, order);
    for (int k = 1; k <= n; ++k) ctx.ws.x(order[k]) = y[k];

    ctx.blank();
    appendRootsBlock(ctx, Text::RootsHeading);
    return ctx.solved();
}

}  // namespace lineer
