// Successive over-relaxation: a Gauss-Seidel sweep, then a separate pass
// that blends the swept vector with the previous iterate by the factor w.
// Each iteration puts a circle at (iteration, maximum change) into the
// picture; the first iteration fixes the scale.

#include "iteration.h"
#include "iterative.h"

namespace lineer {

void Module_LesSOR(Context& ctx) {
    const double L = boxNumber(ctx.params.maxIterText, ctx.decimal);
    const double w = boxNumber(ctx.params.wText, ctx.decimal);
    const Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;
    const double oneMinusW = 1 - w;

    auto sweep = [&](double* x, const double* p) {
        gaussSeidelSweep(A, n, m, x, p);
        checkSweep<true>(A, n, m, x, p);
        for (int i = 1; i <= n; ++i) {
            const double swept = x[i];
            const double u = w * swept;
            const double v = oneMinusW * p[i];
            x[i] = u + v;
            // A blend that is not a normal number, decided by a product
            // that lost digits below the normal range.
            if (belowNormal(x[i]) && ((belowNormal(u) && w != 0 && swept != 0) ||
                                      (belowNormal(v) && oneMinusW != 0 && p[i] != 0)))
                throw NumberUnderflow();
        }
    };

    // The plot spans 0..L across and 0..h down, h being twice the first
    // change. Without a finite, non-empty extent in both directions there
    // is nothing to scale to; the picture is then cleared, so that an
    // earlier run's plot is not taken for this one's.
    PictureSurface& picture = ctx.host.picture();
    bool plot = false;
    auto draw = [&](std::int64_t k, double e) {
        if (k == 1) {
            const double h = 2 * e;
            plot = std::isfinite(L) && std::isfinite(h) && h > 0;
            if (plot) {
                picture.scale(0, 0, L, h);
                picture.clear();
            }
        }
        if (!plot) return;
        const float cx = static_cast<float>(k);
        const float cy = static_cast<float>(e);
        if (std::isfinite(cy)) picture.circle(cx, cy, 1);
    };

    iterate(ctx, L, sweep, draw, w);
    if (!plot) picture.clear();
}

}  // namespace lineer
