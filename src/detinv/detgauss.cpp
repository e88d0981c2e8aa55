// The determinant of the square block by Gauss elimination without
// pivoting: the product of the diagonal of the triangular block.

#include "detinv.h"
#include "listing.h"
#include "steps.h"
#include "numformat.h"
#include "squareblock.h"

namespace lineer {

void Module_DetGauss(Context& ctx) {
    Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    if (!squareBlockLoaded(ctx)) return;

    for (int k = 1; k <= n; ++k) {
        for (int i = k + 1; i <= n; ++i) {
            const double f = A(i, k);
            // Row k does not change in step k: one test stands for all columns.
            if (A(k, k) == 0) {
                ctx.host.picture().print(kZeroDiagonal);
                return;
            }
            const double akk = A(k, k);
            if (ctx.params.steps) steps::rowOperation(ctx, i, f / akk, k);
            for (int j = k; j <= n; ++j) A(i, j) = A(i, j) - f * (A(k, j) / akk);
        }
    }

    ctx.append(" ");
    ctx.append("Üst-üçgenselleştirilmiş matris");
    Listele(ctx, m, n, A);

    if (ctx.params.steps) steps::diagonalProduct(ctx, A, n);
    double d = 1;
    for (int k = 1; k <= n; ++k) d = d * A(k, k);
    requireFinite(d);
    ctx.append(" ");
    ctx.append("Matrisin determinantı = " + formatRounded(d, 4, ctx.decimal));
}

}  // namespace lineer
