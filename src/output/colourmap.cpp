#include "colourmap.h"

#include <cmath>

namespace lineer {

void resimle(Context& ctx) {
    const Workspace& ws = ctx.ws;
    const int n = ws.n, m = ws.m;

    Rgb ramp[16];
    for (int k = 0; k < 16; ++k) {
        auto gb = static_cast<std::uint8_t>(255 - 16 * k);
        ramp[k] = Rgb{255, gb, gb};
    }

    double hi = 0, lo = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) {
            const double a = ws.A(i, j);
            if (!std::isfinite(a)) continue;  // left by a method that overflowed
            if (a > hi) hi = a;
            if (a < lo) lo = a;
        }
    double r = hi - lo;
    // A range too wide for a double is measured in halves instead; the
    // quotients are the same.
    const bool halve = std::isinf(r);
    if (halve) r = hi / 2 - lo / 2;

    int level[kDim][kDim];
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) {
            double a = ws.A(i, j);
            if (!std::isfinite(a)) {
                // Beyond every finite value: the deepest colour.
                level[i][j] = 15;
                continue;
            }
            if (halve) a = a / 2;
            // With every element 0 there is no range: every level is 0.
            level[i][j] = r == 0 ? 0 : static_cast<int>(std::nearbyint(std::fabs(15 * (a / r))));
        }

    PictureSurface& picture = ctx.host.picture();
    picture.clear();
    if (n <= 0 || m <= 0) return;
    picture.scale(0, 0, m, m);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) picture.box(j - 1, i - 1, j, i, ramp[level[i][j]]);
    // The deepest colour's value is hi - lo, which a halved range cannot hold.
    picture.colourMap(n, m, halve ? HUGE_VAL : r);
}

}  // namespace lineer
