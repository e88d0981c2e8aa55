// Back-solving an upper triangle, for the pivoting eliminations.

#include "directsolvers.h"
#include "scaled.h"
#include "steps.h"

namespace lineer {

void backSolve(Context& ctx, const Matrix& A, int n, int m, double* x, const int* order) {
    const auto name = [&](int k) { return steps::name("x", order ? order[k] : k); };
    x[n] = keptQuotient(A(n, m), A(n, n));
    if (ctx.params.steps) steps::formula(ctx, name(n), A(n, m), {}, {}, 1, 0, A(n, n), x[n]);
    for (int k = n - 1; k >= 1; --k) {
        const double numerator = subtractSum(A(k, m), [&](auto add) {
            for (int j = k + 1; j <= n; ++j) add(A(k, j), x[j]);
        });
        x[k] = keptQuotient(numerator, A(k, k));
        if (ctx.params.steps)
            steps::formula(ctx, name(k), A(k, m), steps::rowOf(A, k), steps::entries(x), k + 1, n, A(k, k), x[k]);
    }
}

}  // namespace lineer
