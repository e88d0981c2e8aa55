// Successive over-relaxation: a Gauss-Seidel sweep, then a separate pass
// that blends the swept vector with the previous iterate by the factor w.
// The textbook form, for comparison, blends each component as soon as it
// is swept.
// Each iteration puts a circle at (iteration, maximum change) into the
// picture; the first iteration fixes the scale.

#include "iteration.h"
#include "iterative.h"

namespace lineer {

namespace {

// A blend w × swept + (1 − w) × previous that is not a normal number,
// decided by a product that lost digits below the normal range.
inline double blend(double w, double oneMinusW, double swept, double previous) {
    const double u = w * swept;
    const double v = oneMinusW * previous;
    const double x = u + v;
    if (belowNormal(x) && ((belowNormal(u) && w != 0 && swept != 0) ||
                           (belowNormal(v) && oneMinusW != 0 && previous != 0)))
        throw NumberUnderflow();
    return x;
}

// The textbook sweep: each x(i) is relaxed as soon as it is computed, and
// the rows below read the relaxed values.
void relaxedSweep(const Matrix& A, int n, int m, double w, double oneMinusW, double* x, const double* p) {
    for (int i = 1; i <= n; ++i) {
        const double* row = A.a[i];
        double s = 0;
        for (int j = 1; j < i; ++j) s = s + row[j] * x[j];
        for (int j = i + 1; j <= n; ++j) s = s + row[j] * p[j];
        double swept = (row[m] - s) / row[i];
        if (!(std::fabs(swept) >= DBL_MIN && std::fabs(swept * row[i]) >= 2 * DBL_MIN)) {
            const double numerator = subtractSum(row[m], [&](auto add) {
                for (int j = 1; j < i; ++j) add(row[j], x[j]);
                for (int j = i + 1; j <= n; ++j) add(row[j], p[j]);
            });
            keptQuotient(numerator, row[i]);
        }
        x[i] = blend(w, oneMinusW, swept, p[i]);
    }
}

template <bool EachComponent>
RunResult relax(Context& ctx) {
    const double L = ctx.params.maxIter;
    const double w = ctx.params.w;
    const Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;
    const double oneMinusW = 1 - w;

    auto sweep = [&](double* x, const double* p) {
        if constexpr (EachComponent) {
            relaxedSweep(A, n, m, w, oneMinusW, x, p);
        } else {
            gaussSeidelSweep(A, n, m, x, p);
            checkSweep<true>(A, n, m, x, p);
            for (int i = 1; i <= n; ++i) x[i] = blend(w, oneMinusW, x[i], p[i]);
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
                const std::string wText = std::isfinite(w) ? formatSignificant(w, 6, ctx.decimal) : ctx.params.wText;
                picture.title(format(Text::PlotConvergenceTitleW,
                                     EachComponent ? text(Text::CaptionLesSORTextbook) : text(Text::CaptionLesSOR), wText));
            }
        }
        if (!plot) return;
        const float cx = static_cast<float>(k);
        const float cy = static_cast<float>(e);
        if (std::isfinite(cy)) picture.circle(cx, cy, 1);
    };

    const RunResult result = iterate(ctx, L, sweep, draw, w);
    if (!plot) picture.clear();
    return result;
}

}  // namespace

RunResult Module_LesSOR(Context& ctx) { return relax<false>(ctx); }

RunResult Module_LesSORTextbook(Context& ctx) { return relax<true>(ctx); }

}  // namespace lineer
