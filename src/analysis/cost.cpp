#include "cost.h"

namespace lineer::analysis {

namespace {

// Forward elimination of Gauss: step k divides row k's columns k..last by
// the pivot once and multiplies the n − k rows below by those quotients.
OperationCount elimination(int n, int last) {
    OperationCount c;
    for (long long k = 1; k < n; ++k) {
        const long long columns = last - k + 1;
        c.divisions += columns;
        c.multiplications += (n - k) * columns;
    }
    return c;
}

// Back-solving an upper triangle whose diagonal is divided by.
OperationCount backSolve(long long n) {
    return {n * (n - 1) / 2, n};
}

// Doolittle and Crout. Step k: n − k + 1 entries of each factor, each a
// sum of k − 1 products, and the entries of one factor divided by the
// pivot; then two substitutions that both divide by the diagonal.
OperationCount compactLu(long long n) {
    OperationCount c;
    for (long long k = 1; k <= n; ++k) {
        c.multiplications += 2 * (n - k + 1) * (k - 1);
        c.divisions += n - k + 1;
    }
    c.multiplications += n * (n - 1);
    c.divisions += 2 * n;
    return c;
}

// PA = LU. Step k divides the pivot row's n − k + 1 columns by the pivot
// and forms each of the n − k multipliers below it as a quotient, then
// multiplies those rows; L·y = P·b divides by nothing, U·x = y by the
// diagonal.
OperationCount pivotedLu(long long n) {
    OperationCount c;
    for (long long k = 1; k <= n; ++k) {
        c.divisions += 2 * (n - k) + 1;
        c.multiplications += (n - k) * (n - k + 1);
    }
    c.multiplications += n * (n - 1);
    c.divisions += n;
    return c;
}

}  // namespace

OperationCount operationCount(DirectMethod method, int n, int m) {
    OperationCount c;
    if (n < 1 || m < n) return c;
    const long long N = n, M = m;
    switch (method) {
        case DirectMethod::Gauss:
        case DirectMethod::MaxPivotGauss: {
            c = elimination(n, m);
            const OperationCount back = backSolve(N);
            c.multiplications += back.multiplications;
            c.divisions += back.divisions;
            break;
        }
        case DirectMethod::GaussJordan:
            // Step k divides columns k..m of the pivot row and multiplies them
            // into the n − 1 other rows.
            for (long long k = 1; k <= N; ++k) {
                c.divisions += M - k + 1;
                c.multiplications += (N - 1) * (M - k + 1);
            }
            break;
        case DirectMethod::Doolittle:
        case DirectMethod::Crout:
            c = compactLu(N);
            break;
        case DirectMethod::LuPivot:
            c = pivotedLu(N);
            break;
        case DirectMethod::Thomas:
            // The sweep forms a(i)·c(i − 1)/β and a(i)·γ(i − 1)/β for i = 2..n;
            // back-solving is one product and one quotient a row.
            c.multiplications = 3 * (N - 1);
            c.divisions = 3 * N - 2;
            break;
        case DirectMethod::Determinant:
            c = elimination(n, n);
            c.multiplications += N;  // the product of the diagonal
            break;
        case DirectMethod::Inverse:
            // Step k: the row and the column times the k × k inverse (k² each),
            // the corner (k), the new row (k), the new block (k²) and column
            // (k), and one reciprocal; the first reciprocal before them.
            c.divisions = N;
            for (long long k = 1; k < N; ++k) c.multiplications += 3 * k * k + 3 * k;
            break;
    }
    return c;
}

OperationCount sweepCount(Iteration kind, int n) {
    if (n < 1) return {};
    const long long N = n;
    OperationCount c{N * (N - 1), N};
    if (kind == Iteration::Sor || kind == Iteration::SorTextbook) c.multiplications += 2 * N;
    return c;
}

}  // namespace lineer::analysis
