// LU factorisation (Doolittle or Crout, as the caller asks), the
// two factors listed, then forward and back substitution.

#include "lu.h"

#include <memory>

#include "direct.h"
#include "listing.h"

namespace lineer {

bool luFactor(const Matrix& A, int n, LuVariant variant, Matrix& L, Matrix& U) {
    // Every sum runs in ascending j and is subtracted from its first term
    // before any division.
    for (int k = 1; k <= n; ++k) {
        if (variant == LuVariant::Doolittle) {
            for (int i = k; i <= n; ++i) {
                double s = 0;
                for (int j = 1; j <= k - 1; ++j) s = s + L(k, j) * U(j, i);
                U(k, i) = A(k, i) - s;
            }
            if (U(k, k) == 0) return false;
            for (int r = k; r <= n; ++r) {
                double s = 0;
                for (int j = 1; j <= k - 1; ++j) s = s + L(r, j) * U(j, k);
                L(r, k) = (A(r, k) - s) / U(k, k);
            }
        } else {
            for (int r = k; r <= n; ++r) {
                double s = 0;
                for (int j = 1; j <= k - 1; ++j) s = s + L(r, j) * U(j, k);
                L(r, k) = A(r, k) - s;
            }
            if (L(k, k) == 0) return false;
            for (int i = k; i <= n; ++i) {
                double s = 0;
                for (int j = 1; j <= k - 1; ++j) s = s + L(k, j) * U(j, i);
                U(k, i) = (A(k, i) - s) / L(k, k);
            }
        }
    }
    return true;
}

void Module_LUFact(Context& ctx, LuVariant variant) {
    const Matrix& A = ctx.ws.A;
    Vector& x = ctx.ws.x;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;

    auto L = std::make_unique<Matrix>();
    auto U = std::make_unique<Matrix>();
    if (!luFactor(A, n, variant, *L, *U)) {
        ctx.host.picture().print(kZeroDiagonal);
        return;
    }

    ctx.append(" ");
    ctx.append("Alt-üçgensel matris");
    Listele(ctx, n, n, *L);
    ctx.append(" ");
    ctx.append("Üst-üçgensel matris");
    Listele(ctx, n, n, *U);

    // Without equations there is nothing to substitute (the first step
    // would divide by the unused L(0, 0)); the roots block stays empty.
    if (n >= 1) {
        Vector y;
        y(1) = A(1, m) / (*L)(1, 1);
        for (int i = 2; i <= n; ++i) {
            double s = 0;
            for (int j = 1; j <= i - 1; ++j) s = s + (*L)(i, j) * y(j);
            y(i) = (A(i, m) - s) / (*L)(i, i);
        }
        x(n) = y(n) / (*U)(n, n);
        for (int i = n - 1; i >= 1; --i) {
            double s = 0;
            for (int j = i + 1; j <= n; ++j) s = s + (*U)(i, j) * x(j);
            x(i) = (y(i) - s) / (*U)(i, i);
        }
    }

    ctx.append(" ");
    appendRootsBlock(ctx, kSortedRootsHeading);
}

}  // namespace lineer
