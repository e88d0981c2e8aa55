// The Jacobi sweep computes several rows side by side; each row's sum must
// still be the written one, bit for bit: s = 0, then s + A(i,j)*p(j) for
// j = 1..i-1 and j = i+1..n in ascending order, then (A(i,m) - s)/A(i,i).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "bitcast.h"
#include "iteration.h"

namespace lineer {
namespace {

void referenceJacobi(const Matrix& A, int n, int m, double* x, const double* p) {
    for (int i = 1; i <= n; ++i) {
        double s = 0;
        for (int j = 1; j <= n; ++j) {
            if (j == i) continue;
            const double t = A(i, j) * p[j];
            s = s + t;
        }
        const double d = A(i, m) - s;
        x[i] = d / A(i, i);
    }
}

TEST(JacobiSweep, BitIdenticalToTheWrittenOrderForEverySize) {
    std::mt19937_64 rng(77);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> scale(-30, 30);
    std::uniform_int_distribution<int> zero(0, 9);
    for (int n = 1; n <= kMaxIndex; ++n) {
        // The right-hand side in column n + 1, further right, or inside the
        // square part (m <= n, as a user's file may have it).
        std::uniform_int_distribution<int> column(1, kMaxIndex);
        const int ms[] = {n + 1 <= kMaxIndex ? n + 1 : n, column(rng), n};
        for (int m : ms) {
            Matrix A;
            for (int i = 1; i <= kMaxIndex; ++i)
                for (int j = 1; j <= kMaxIndex; ++j)
                    // Mixed magnitudes and exact zeros make the rounding of
                    // every reordering visible.
                    A(i, j) = zero(rng) == 0 ? 0.0 : unit(rng) * std::ldexp(1.0, scale(rng));
            for (int i = 1; i <= n; ++i)
                if (A(i, i) == 0) A(i, i) = 3;
            double p[kDim], x[kDim], want[kDim];
            for (int j = 0; j < kDim; ++j) {
                p[j] = unit(rng) * std::ldexp(1.0, scale(rng));
                x[j] = want[j] = -7.25;  // entries outside 1..n stay as they are
            }
            jacobiSweep(A, n, m, x, p);
            referenceJacobi(A, n, m, want, p);
            for (int i = 0; i < kDim; ++i)
                ASSERT_EQ(bitCast<std::uint64_t>(x[i]), bitCast<std::uint64_t>(want[i]))
                    << "n=" << n << " m=" << m << " i=" << i;
        }
    }
}

// Sums that cancel to zero and large terms that swamp small ones: any
// change of the order of additions shows in the last bits or in the sign.
TEST(JacobiSweep, CancellationKeepsTheWrittenOrder) {
    for (int n : {8, 9, 16, 17, 99, 100}) {
        Matrix A;
        double p[kDim] = {}, x[kDim] = {}, want[kDim] = {};
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) A(i, j) = (j % 3 == 0) ? 1e16 : ((j % 3 == 1) ? -1e16 : 1.0 + j * 1e-3);
            A(i, i) = 2;
            A(i, n) = 5;
        }
        for (int j = 1; j <= n; ++j) p[j] = 1 + (j % 5) * 0.1;
        jacobiSweep(A, n, n, x, p);
        referenceJacobi(A, n, n, want, p);
        for (int i = 1; i <= n; ++i)
            ASSERT_EQ(bitCast<std::uint64_t>(x[i]), bitCast<std::uint64_t>(want[i])) << n << " " << i;
    }
}

}  // namespace
}  // namespace lineer
