#include "truth.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <string_view>

#include "numformat.h"
#include "scaled.h"

namespace lineer::analysis {

MatrixTruth matrixTruth(const Workspace& loaded) {
    MatrixTruth t;
    const int n = loaded.n, m = loaded.m;
    if (n < 1 || m < n) return t;
    t.n = n;
    t.system = m == n + 1;
    t.rcond = rcondEstimate(loaded.A, n);
    t.rank = t.rcond < kMaySingular ? numericalRank(loaded.A, n, n) : n;
    t.singular = t.rank < n;
    t.rankAugmented = t.rank;
    if (t.system && t.singular) {
        // Rounding cannot make the augmented matrix's rank smaller than
        // the coefficients' in truth; in figures it could, where b is far
        // larger than the coefficients.
        t.rankAugmented = std::max(t.rank, numericalRank(loaded.A, n, m));
        t.solutions = t.rankAugmented > t.rank ? Solutions::None : Solutions::Infinite;
        if (t.solutions == Solutions::Infinite) t.freeVariables = n - t.rank;
    }
    return t;
}

int firstZeroPivot(const Workspace& loaded) {
    const int n = loaded.n;
    if (n < 1 || loaded.m < n) return 0;
    auto A = std::make_unique<Matrix>(loaded.A);
    for (int k = 1; k <= n; ++k) {
        if ((*A)(k, k) == 0) return k;
        const double akk = (*A)(k, k);
        for (int i = k + 1; i <= n; ++i) {
            const double f = (*A)(i, k);
            for (int j = k; j <= n; ++j) (*A)(i, j) = (*A)(i, j) - f * ((*A)(k, j) / akk);
        }
    }
    return 0;
}

int trustedDigits(const MatrixTruth& truth) {
    // Compared with powers of ten, not through log10, so that every
    // platform's library gives the same count.
    constexpr double kTen[] = {1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13};
    constexpr double kEpsilon = 2.220446049250313e-16;
    if (!(truth.rcond > 0)) return 1;
    const double bound = std::max(truth.n, 1) * kEpsilon / truth.rcond;
    int digits = 1;
    for (int d = 2; d <= 13; ++d)
        if (bound <= kTen[d - 1]) digits = d;
    return digits;
}

DeterminantTruth determinantTruth(double value) {
    return determinantTruth(RunResult::Binary{value, 0});
}

DeterminantTruth determinantTruth(RunResult::Binary product) {
    DeterminantTruth d;
    const Scaled full = Scaled::of(product.mantissa, product.exponent);
    const double value = full.value();
    d.value = value;
    d.mantissa = full.mantissa();
    d.exponent = full.exponent();
    if (d.mantissa == 0 || !(std::fabs(value) < 0.001)) return d;
    // A product below the double's range reads 0 however it is rounded.
    if (value == 0) {
        d.hidden = true;
        return d;
    }
    // Hidden unless the shortest decimal form of the value has no digit
    // beyond the fourth decimal (0.0005 shows as it is): then the value is
    // the double nearest to k / 10^4, which the quotient of the two
    // doubles k and 10^4 is (a correctly rounded division).
    const double k = std::nearbyint(value * 1e4);
    d.hidden = k / 1e4 != value;
    return d;
}

DeterminantTruth determinantTruth(const Workspace& after) {
    Scaled product(1.0);
    for (int k = 1; k <= after.n; ++k) product = product * Scaled(after.A(k, k));
    return determinantTruth(RunResult::Binary{product.mantissa(), product.exponent()});
}

void SweepHistory::add(std::int64_t k, double e) {
    if (k == 1) first_ = e;
    sweeps_ = k;
    changes_[k % (kSpan + 1)] = e;
}

std::optional<SweepHistory::Rate> SweepHistory::rate() const {
    const std::int64_t span = std::min<std::int64_t>(kSpan, sweeps_ - 1);
    if (span < 1) return std::nullopt;
    const double from = changes_[(sweeps_ - span) % (kSpan + 1)];
    if (!(from > 0)) return std::nullopt;
    const double factor = std::pow(last() / from, 1.0 / static_cast<double>(span));
    if (!std::isfinite(factor)) return std::nullopt;
    return Rate{factor, span};
}

IterationTruth iterationTruth(const Workspace& loaded, Iteration kind, double w, const SweepHistory& history,
                              double tolerance, const double* x, bool bound) {
    IterationTruth t;
    t.sweeps = history.sweeps();
    t.lastChange = history.last();
    const int n = loaded.n, m = loaded.m;
    const bool relaxes = kind == Iteration::Sor || kind == Iteration::SorTextbook;
    if (t.sweeps == 0 || (relaxes && w == 0)) {
        t.end = IterationEnd::StartVector;
        return t;
    }
    const bool converged = t.lastChange < tolerance;
    if (n >= 1 && m > n) t.residual = residual(loaded.A, n, m, x);
    if (!converged || bound) t.rho = radius(loaded.A, n, kind, w);
    if (converged) {
        t.end = IterationEnd::Converged;
    } else {
        const auto rate = history.rate();
        const bool growing = (rate && rate->factor > 1) || !std::isfinite(t.lastChange);
        t.end = growing || (t.rho && t.rho->value >= 1) ? IterationEnd::Diverges : IterationEnd::NotConverged;
    }
    if (t.rho && t.rho->value < 1 && std::isfinite(t.lastChange)) {
        const double rho = t.rho->value;
        t.errorBound = rho / (1 - rho) * t.lastChange;
        if (!std::isfinite(*t.errorBound)) t.errorBound.reset();
    }
    return t;
}

}  // namespace lineer::analysis
