// The determinant of the square block by Gauss elimination without
// pivoting: the product of the diagonal of the triangular block.

#include <cmath>

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
                ctx.printToPicture(Text::ZeroDiagonal);
                return;
            }
            const double akk = A(k, k);
            if (ctx.params.steps) steps::rowOperation(ctx, i, f / akk, k);
            for (int j = k; j <= n; ++j) A(i, j) = A(i, j) - f * (A(k, j) / akk);
        }
    }

    ctx.append(" ");
    ctx.append(Text::UpperTriangularHeading);
    Listele(ctx, m, n, A);

    if (ctx.params.steps) steps::diagonalProduct(ctx, A, n);

    // d = A(1, 1) * A(2, 2) * ... in this order, with the binary exponent
    // carried apart so that no partial product overflows or underflows: the
    // running product and each factor are kept as a fraction of magnitude
    // in [0.5, 1) times a power of two. Scaling by a power of two is exact,
    // so where the plain product stays in range every step rounds to the
    // same bits, and an ordinary determinant behind extreme factors comes
    // out right. Only a determinant that is itself out of range overflows.
    double d = 1;
    int exponent = 0;  // at most 100 factors of 2^-1074..2^1024
    for (int k = 1; k <= n; ++k) {
        int e;
        const double f = std::frexp(A(k, k), &e);
        exponent += e;
        d = std::frexp(d * f, &e);
        exponent += e;
    }
    d = std::ldexp(d, exponent);  // rounded once; infinite when out of range
    requireFinite(d);
    ctx.append(" ");
    ctx.append(format(Text::DeterminantLine, formatRounded(d, 4, ctx.decimal)));
}

}  // namespace lineer
