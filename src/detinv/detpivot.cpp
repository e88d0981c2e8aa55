// The determinant of the square block by Gauss elimination with partial
// pivoting: every row exchange changes its sign, so it is the product of
// the triangle's diagonal times (−1) to the number of exchanges. A column
// that is zero from the diagonal down needs no elimination and makes the
// determinant 0.

#include <utility>

#include "detinv.h"
#include "listing.h"
#include "numformat.h"
#include "pivoting.h"
#include "scaled.h"
#include "squareblock.h"
#include "steps.h"
#include "watch.h"

namespace lineer {

RunResult Module_DetPivot(Context& ctx) {
    Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;
    if (!squareBlockLoaded(ctx.ws)) return ctx.refuse(Text::TooFewColumns);

    int exchanges = 0;
    StepObserver* const watch = ctx.stepObserver;
    const int grid = watch ? watch::system(ctx, A, n, m) : 0;
    if (n > 1) pivoting::heading(ctx, Text::PartialPivotingHeading);
    for (int k = 1; k < n; ++k) {
        const int p = pivoting::partialPivotRow(A, n, k);
        if (A(p, k) == 0) {
            pivoting::zeroColumn(ctx, k);
            continue;
        }
        pivoting::partialStep(ctx, k, A(p, k), p);
        // Only the square block takes part; the columns after it stay as
        // loaded, as in the determinant without exchanges.
        if (p != k) {
            for (int j = k; j <= n; ++j) std::swap(A(k, j), A(p, j));
            ++exchanges;
            if (watch) watch::rowExchange(ctx, grid, k, p);
        }
        pivoting::eliminate(ctx, A, n, k, n);
    }

    ctx.blank();
    ctx.heading(Text::UpperTriangularHeading);
    Listele(ctx, m, n, A);
    if (ctx.params.steps) steps::diagonalProduct(ctx, A, n);

    // The product with its exponent carried apart, as in the determinant
    // without exchanges: only a determinant itself out of range overflows.
    Scaled product(exchanges % 2 == 0 ? 1.0 : -1.0);
    for (int k = 1; k <= n; ++k) product = product * Scaled(A(k, k));
    const double d = product.value();
    requireFinite(d);
    ctx.blank();
    ctx.append(format(Text::ExchangeCountLine, intText(exchanges), exchanges % 2 == 0 ? "1" : "-1"));
    ctx.blank();
    ctx.append(format(Text::DeterminantLine, formatRounded(d, 4, ctx.decimal)));
    RunResult result = ctx.solved();
    result.determinant = RunResult::Binary{product.mantissa(), product.exponent()};
    return result;
}

}  // namespace lineer
