// Jacobi's simple iteration: every equation of a sweep reads only the
// previous iterate.

#include "iteration.h"
#include "methods.h"
#include "textnum.h"

namespace lineer {

void Module_LesJacobi(Context& ctx) {
    const double L = textToNumber(ctx.host.textMaxIter());
    const Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;
    iterate(
        ctx, L, [&](double* x, const double* p) { jacobiSweep(A, n, m, x, p); },
        [](std::int64_t, double) {});
}

}  // namespace lineer
