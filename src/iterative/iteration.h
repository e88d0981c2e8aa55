#pragma once
// The loop the three iterative methods share: start vector of ones, the
// previous iterate, the sweep, the maximum change, the test against the
// fixed tolerance, and the iteration report written once at the end.

#include <cmath>
#include <cstdint>
#include <cstring>

#include "context.h"
#include "listing.h"

namespace lineer {

inline constexpr double kTolerance = 0.00001;
inline constexpr const char* kDivergesMessage = "İterasyon ıraksıyor";
inline constexpr const char* kIterationsSuffix = " iterasyon adımı sonucunda";
inline constexpr const char* kMaxErrorPrefix = "Maksimum hata = ";

// Whether some A(i, i), i = 1..n, is exactly 0.
bool hasZeroDiagonal(const Matrix& A, int n);

// Appends the report: " ", "<k> iterasyon adımı sonucunda", the roots block
// of ws.x, " ", "Maksimum hata = <e rounded to 6 places>". Throws
// NumberOverflow before appending anything if e or a root is not finite.
void appendIterationReport(Context& ctx, std::int64_t k, double e);

// The Jacobi sweep: x(i) from the previous iterate p only.
inline void jacobiSweep(const Matrix& A, int n, int m, double* x, const double* p) {
    for (int i = 1; i <= n; ++i) {
        const double* row = A.a[i];
        double s = 0;
        for (int j = 1; j < i; ++j) s = s + row[j] * p[j];
        for (int j = i + 1; j <= n; ++j) s = s + row[j] * p[j];
        x[i] = (row[m] - s) / row[i];
    }
}

// The Gauss-Seidel sweep: in place, x(1..i-1) already of this sweep.
inline void gaussSeidelSweep(const Matrix& A, int n, int m, double* x, const double* p) {
    for (int i = 1; i <= n; ++i) {
        const double* row = A.a[i];
        double s = 0;
        for (int j = 1; j < i; ++j) s = s + row[j] * x[j];
        for (int j = i + 1; j <= n; ++j) s = s + row[j] * p[j];
        x[i] = (row[m] - s) / row[i];
    }
}

// Runs the loop with limit L. `sweep(x, p)` turns the previous iterate p
// into the new x; `afterSweep(k, e)` sees every sweep's count and maximum
// change before the convergence test. Works on local copies and writes
// x(1..n) of the workspace only when the report is due.
//
// A zero diagonal element (when a sweep is going to run) and a sweep that
// leaves a value that is not finite end the run with a message, no report,
// and the workspace's root vector untouched.
template <class Sweep, class AfterSweep>
void iterate(Context& ctx, double L, Sweep&& sweep, AfterSweep&& afterSweep) {
    const int n = ctx.ws.n;
    if (1 <= L && hasZeroDiagonal(ctx.ws.A, n)) {
        ctx.host.message(kZeroDiagonal);
        return;
    }

    double x[kDim] = {};
    double p[kDim] = {};
    for (int i = 1; i <= n; ++i) x[i] = 1;
    const std::size_t bytes = static_cast<std::size_t>(n > 0 ? n : 0) * sizeof(double);

    std::int64_t k = 0;
    double e = 0;
    while (static_cast<double>(k + 1) <= L) {
        k = k + 1;
        std::memcpy(p + 1, x + 1, bytes);
        sweep(x, static_cast<const double*>(p));

        e = 0;
        bool finite = true;
        for (int i = 1; i <= n; ++i) {
            const double d = std::fabs(p[i] - x[i]);
            if (d > e) e = d;
            finite = finite && std::isfinite(x[i]);
        }
        if (!finite) {
            ctx.host.message(kDivergesMessage);
            return;
        }

        afterSweep(k, e);
        const bool go = ctx.host.keepIterating(k, e);
        if (e < kTolerance || !go) break;
    }

    for (int i = 1; i <= n; ++i) ctx.ws.x(i) = x[i];
    appendIterationReport(ctx, k, e);
}

}  // namespace lineer
