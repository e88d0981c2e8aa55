#pragma once
// The determinant and the inverse of a workspace's matrix block by
// Gauss-Jordan elimination with partial pivoting in long double: a
// reference computed another way than the methods, in a type whose
// exponent range (where long double is wider than double) holds every
// value the tests' systems make.

#include <cmath>
#include <utility>
#include <vector>

#include "workspace.h"

namespace lineer::test {

struct Reference {
    long double det = 1;
    std::vector<std::vector<long double>> inverse;
};

inline Reference reference(const Workspace& ws) {
    const int n = ws.n;
    std::vector<std::vector<long double>> a(n, std::vector<long double>(2 * n, 0));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) a[i][j] = ws.A(i + 1, j + 1);
        a[i][n + i] = 1;
    }
    Reference r;
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
        if (p != k) {
            std::swap(a[p], a[k]);
            r.det = -r.det;
        }
        const long double pivot = a[k][k];
        r.det *= pivot;
        for (auto& v : a[k]) v /= pivot;
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            const long double f = a[i][k];
            for (int j = 0; j < 2 * n; ++j) a[i][j] -= f * a[k][j];
        }
    }
    for (int i = 0; i < n; ++i) r.inverse.emplace_back(a[i].begin() + n, a[i].end());
    return r;
}

}  // namespace lineer::test
