// Gauss-Seidel iteration: Jacobi's loop with an in-place sweep, so each
// equation uses the values the same sweep has produced before it.

#include "iteration.h"
#include "methods.h"
#include "textnum.h"

namespace lineer {

void Module_LesGaussSidel(Context& ctx) {
    const double L = textToNumber(ctx.host.textMaxIter());
    const Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;
    iterate(
        ctx, L, [&](double* x, const double* p) { gaussSeidelSweep(A, n, m, x, p); },
        [](std::int64_t, double) {});
}

}  // namespace lineer
