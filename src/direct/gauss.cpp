// Gauss elimination without pivoting, then back-solving from the last row.

#include "directsolvers.h"
#include "listing.h"
#include "steps.h"

namespace lineer {

bool lesGauss(Context& ctx) {
    Matrix& A = ctx.ws.A;
    Vector& x = ctx.ws.x;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    for (int k = 1; k <= n; ++k) {
        for (int i = k + 1; i <= n; ++i) {
            const double f = A(i, k);
            // Row k does not change in step k, so one test before the
            // column loop stands for the test at every column (when the
            // loop has a column at all).
            if (k <= m && A(k, k) == 0) {
                ctx.message(Text::ZeroDiagonal);
                return false;
            }
            const double akk = A(k, k);
            if (ctx.params.steps) steps::rowOperation(ctx, i, f / akk, k);
            double* rowI = A.a[i];
            const double* rowK = A.a[k];
            for (int j = k; j <= m; ++j) rowI[j] = rowI[j] - f * (rowK[j] / akk);
        }
    }

    ctx.append(" ");
    ctx.append(Text::UpperTriangularHeading);
    Listele(ctx, m, n, A);

    // Back-solving divides by A(n, n), which elimination never tests; with
    // no equations at all it would be the unused cell A(0, 0).
    if (A(n, n) == 0) {
        ctx.message(Text::ZeroDiagonal);
        return false;
    }
    x(n) = A(n, m) / A(n, n);
    if (ctx.params.steps) steps::formula(ctx, steps::name("x", n), A(n, m), {}, {}, 1, 0, A(n, n), x(n));
    for (int k = n - 1; k >= 1; --k) {
        double s = 0;
        for (int j = k + 1; j <= n; ++j) s = s + A(k, j) * x(j);
        x(k) = (A(k, m) - s) / A(k, k);
        if (ctx.params.steps)
            steps::formula(ctx, steps::name("x", k), A(k, m), steps::rowOf(A, k), steps::entries(x.v), k + 1, n,
                           A(k, k), x(k));
    }

    ctx.append(" ");
    appendRootsBlock(ctx, Text::RootsHeading);
    return true;
}

void Module_LesGauss(Context& ctx) { lesGauss(ctx); }

}  // namespace lineer
