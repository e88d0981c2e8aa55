// Gauss elimination with partial pivoting, as textbooks teach it: in every
// step the element of largest absolute value in the pivot column, from the
// diagonal down, comes to the diagonal by a row exchange; then the rows
// below are eliminated and the triangle is solved from the last row up.

#include <utility>

#include "directsolvers.h"
#include "listing.h"
#include "numformat.h"
#include "pivoting.h"
#include "watch.h"

namespace lineer {

RunResult Module_LesGaussPivot(Context& ctx) {
    if (!systemLoaded(ctx.ws)) return ctx.refuse(Text::SystemNeeded);
    Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch::system(ctx, A, n, m) : 0;
    if (n > 1) pivoting::heading(ctx, Text::PartialPivotingHeading);
    for (int k = 1; k < n; ++k) {
        const int p = pivoting::partialPivotRow(A, n, k);
        if (A(p, k) == 0) return ctx.stop(Outcome::ZeroPivot, format(Text::SingularColumn, intText(k)));
        pivoting::partialStep(ctx, k, A(p, k), p);
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

    if (A(n, n) == 0) return ctx.stop(Outcome::ZeroPivot, format(Text::SingularColumn, intText(n)));
    backSolve(ctx, A, n, m, ctx.ws.x.v);

    ctx.blank();
    appendRootsBlock(ctx, Text::RootsHeading);
    return ctx.solved();
}

}  // namespace lineer
