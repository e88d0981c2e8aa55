#pragma once
// The loop the three iterative methods share: start vector of ones, the
// previous iterate, the sweep, the maximum change, the test against the
// fixed tolerance, and the iteration report written once at the end.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "doublearith.h"

#if defined(LINEER_SSE2)
#include <emmintrin.h>
#endif

#include "context.h"
#include "listing.h"
#include "numformat.h"
#include "scaled.h"
#include "steps.h"

namespace lineer {

inline constexpr double kTolerance = 0.00001;

// Whether some A(i, i), i = 1..n, is exactly 0.
bool hasZeroDiagonal(const Matrix& A, int n);

// Fills x(1..n) with the run's start vector (ones unless the user set
// one). False when its size is neither 1 nor n.
bool startVector(const Context& ctx, double* x);

// Appends the report: " ", "<k> iterasyon adımı sonucunda", the roots block
// of ws.x, " ", "Maksimum hata = <e rounded to 6 places>"; then, when the
// user set them, " " and the start vector and the tolerance the run used.
// Throws NumberOverflow before appending anything if e or a root is not
// finite.
void appendIterationReport(Context& ctx, std::int64_t k, double e);

// The line after the report of a run that was stopped from outside (the
// window's "İptal", an interrupt on the command line) after sweep k, before
// it converged or reached its limit: "İterasyon <k>. adımda durduruldu".
void appendStoppedLine(Context& ctx, std::int64_t k);

// Rows first..n of the Jacobi sweep in the plain written order, one row
// after the other: the rows left over after jacobiSweep's blocks of eight,
// and every row where SSE2 is not available.
inline void jacobiSweepRows(const Matrix& A, int first, int n, int m, double* x, const double* p) {
    for (int i = first; i <= n; ++i) {
        const double* row = A.a[i];
        double s = 0;
        for (int j = 1; j < i; ++j) s = s + row[j] * p[j];
        for (int j = i + 1; j <= n; ++j) s = s + row[j] * p[j];
        x[i] = (row[m] - s) / row[i];
    }
}

#if defined(LINEER_SSE2)
// Eight rows i..i+7 of the Jacobi sweep at once. Every row keeps its own
// sum, built in its own order (ascending j, its diagonal skipped); the rows
// only share the instructions: rows i+2k and i+2k+1 sit in the two lanes of
// sum k, so one packed multiply and one packed add do one step of two rows,
// each lane rounded exactly as the scalar step. The four sums are
// independent, so their additions overlap instead of waiting on each other.
inline void jacobiSweepEight(const Matrix& A, int i, int n, int m, double* x, const double* p) {
    const double* r[8];
    for (int k = 0; k < 8; ++k) r[k] = A.a[i + k];
    __m128d s0 = _mm_setzero_pd(), s1 = s0, s2 = s0, s3 = s0;
    auto step = [&](int j, __m128d& s, int k) {
        const __m128d a = _mm_loadh_pd(_mm_load_sd(r[2 * k] + j), r[2 * k + 1] + j);
        s = _mm_add_pd(s, _mm_mul_pd(a, _mm_set1_pd(p[j])));
    };
    auto all = [&](int from, int to) {
        for (int j = from; j < to; ++j) {
            step(j, s0, 0);
            step(j, s1, 1);
            step(j, s2, 2);
            step(j, s3, 3);
        }
    };
    // Within the diagonal block, row i+d skips column i+d: its lane keeps
    // the sum it had before the step.
    auto skipLane = [&](int j, __m128d& s, int k, bool high) {
        __m128d t = s;
        step(j, t, k);
        s = high ? _mm_move_sd(s, t) : _mm_move_sd(t, s);
    };
    all(1, i);
    for (int d = 0; d < 8; ++d) {
        const int j = i + d;
        const bool high = d % 2 != 0;
        if (d / 2 == 0) skipLane(j, s0, 0, high); else step(j, s0, 0);
        if (d / 2 == 1) skipLane(j, s1, 1, high); else step(j, s1, 1);
        if (d / 2 == 2) skipLane(j, s2, 2, high); else step(j, s2, 2);
        if (d / 2 == 3) skipLane(j, s3, 3, high); else step(j, s3, 3);
    }
    all(i + 8, n + 1);
    double s[8];
    _mm_storeu_pd(s, s0);
    _mm_storeu_pd(s + 2, s1);
    _mm_storeu_pd(s + 4, s2);
    _mm_storeu_pd(s + 6, s3);
    for (int k = 0; k < 8; ++k) x[i + k] = (r[k][m] - s[k]) / r[k][i + k];
}
#endif

// The Jacobi sweep: x(i) from the previous iterate p only. For every i:
// s = 0; s = s + A(i, j) * p(j) for j = 1..i-1, then j = i+1..n;
// x(i) = (A(i, m) - s) / A(i, i). Rows are independent, so blocks of
// eight rows are computed side by side (same operations, same order within
// each row, hence the same bits).
inline void jacobiSweep(const Matrix& A, int n, int m, double* x, const double* p) {
    int i = 1;
#if defined(LINEER_SSE2)
    for (; i + 7 <= n; i += 8) jacobiSweepEight(A, i, n, m, x, p);
#endif
    jacobiSweepRows(A, i, n, m, x, p);
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

// Checks a sweep for digits lost below the normal range (NumberUnderflow):
// a product of two non-zero numbers that lost them decides a numerator
// A(i, m) − s that is not itself a normal number, and a quotient that lost
// them is an iterate the next sweep computes with. x is the new iterate, p
// the previous one; InPlace: row i used this sweep's x(j) for j < i, as
// Gauss-Seidel does. |x(i) × A(i, i)| lies within a rounding of the
// numerator's magnitude, so only rows where that is near the bottom of the
// normal range are summed again.
template <bool InPlace>
void checkSweep(const Matrix& A, int n, int m, const double* x, const double* p) {
    for (int i = 1; i <= n; ++i) {
        const double* row = A.a[i];
        if (std::fabs(x[i]) >= DBL_MIN && std::fabs(x[i] * row[i]) >= 2 * DBL_MIN) continue;
        const double numerator = subtractSum(row[m], [&](auto add) {
            for (int j = 1; j < i; ++j) add(row[j], InPlace ? x[j] : p[j]);
            for (int j = i + 1; j <= n; ++j) add(row[j], p[j]);
        });
        keptQuotient(numerator, row[i]);
    }
}

// Runs the loop with limit L. `sweep(x, p)` turns the previous iterate p
// into the new x; `afterSweep(k, e)` sees every sweep's count and maximum
// change before the convergence test. Works on local copies and writes
// x(1..n) of the workspace only when the report is due.
//
// Ends Solved when a sweep's change is below the tolerance, Stopped when
// the host said not to go on before that, NotConverged when the limit is
// used up first (also when it allows no sweep at all). A run that the host
// stops before it converges or reaches its limit says so in one line after
// the report; a stop in the sweep the limit would end anyway adds no line.
//
// The start vector and the tolerance are the run's, or ones and
// kTolerance. A start vector of another size than 1 or n (Refused), a
// zero diagonal element (when a sweep is going to run, ZeroPivot) and a
// sweep that leaves a value that is not finite (Diverging) end the run
// with a message, no report, and the workspace's root vector untouched.
//
// The explained steps begin with the limit and the relaxation factor w
// (SOR's) as read, so that the table can be read on its own.
template <class Sweep, class AfterSweep>
RunResult iterate(Context& ctx, double L, Sweep&& sweep, AfterSweep&& afterSweep,
                  std::optional<double> w = std::nullopt) {
    const int n = ctx.ws.n;
    double x[kDim] = {};
    if (!startVector(ctx, x))
        return ctx.refuse(Text::StartVectorWrongSize,
                          format(Text::StartVectorSize, intText(static_cast<long long>(ctx.params.x0.size())),
                                 intText(n)));
    if (1 <= L && hasZeroDiagonal(ctx.ws.A, n)) return ctx.stop(Outcome::ZeroPivot, Text::ZeroDiagonal);
    const double tolerance = ctx.params.tolerance.value_or(kTolerance);

    double p[kDim] = {};
    const std::size_t bytes = static_cast<std::size_t>(n > 0 ? n : 0) * sizeof(double);

    if (ctx.observer) ctx.observer->beforeSweeps(ctx);
    if (ctx.params.steps) steps::iterationLimits(ctx, L, w);

    std::int64_t k = 0;
    double e = 0;
    steps::IterationTable table(ctx);
    bool told = false;    // the host said not to go on
    bool stopped = false;  // ... before the limit would have ended the run
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
        if (!finite) return ctx.stop(Outcome::Diverging, Text::DivergesMessage);

        if (ctx.params.steps) table.sweep(k, x, e);
        if (ctx.observer) {
            ctx.observer->sweep(k, e);
            ctx.observer->iterate(x, n);
        }
        if (ctx.stepObserver) ctx.stepObserver->sweep(k, p, x, n, e);
        afterSweep(k, e);
        ctx.sweeps = k;
        ctx.lastChange = e;
        const bool go = ctx.host.keepIterating(k, e);
        if (e < tolerance) break;
        if (!go) {
            told = true;
            stopped = static_cast<double>(k + 1) <= L;
            break;
        }
    }

    if (ctx.params.steps) table.finish();
    for (int i = 1; i <= n; ++i) ctx.ws.x(i) = x[i];
    appendIterationReport(ctx, k, e);
    if (stopped) appendStoppedLine(ctx, k);
    if (ctx.observer) ctx.observer->afterReport(ctx);
    if (k >= 1 && e < tolerance) return ctx.solved();
    return ctx.ended(told ? Outcome::Stopped : Outcome::NotConverged);
}

// Jacobi and Gauss-Seidel differ only in their sweep: the loop with the
// limit typed into the first box, and nothing drawn.
template <void (*Sweep)(const Matrix&, int, int, double*, const double*), bool InPlace>
RunResult iterateWithSweep(Context& ctx) {
    const double L = ctx.params.maxIter;
    const Matrix& A = ctx.ws.A;
    const int n = ctx.ws.n;
    const int m = ctx.ws.m;
    return iterate(
        ctx, L,
        [&](double* x, const double* p) {
            Sweep(A, n, m, x, p);
            checkSweep<InPlace>(A, n, m, x, p);
        },
        [](std::int64_t, double) {});
}

}  // namespace lineer
