#pragma once
// The problem workspace: the matrix of the current problem, its size and
// the root vector every solver writes. Cells are never cleared between loads.

#include "doublearith.h"

namespace lineer {

inline constexpr int kDim = 101;  // indices 0..100; row/column 0 carry no data
inline constexpr int kMaxIndex = 100;

// A fixed 101 x 101 matrix of doubles, indexed (row, column), contiguous.
struct Matrix {
    double a[kDim][kDim] = {};
    double& operator()(int i, int j) { return a[i][j]; }
    double operator()(int i, int j) const { return a[i][j]; }
};

struct Vector {
    double v[kDim] = {};
    double& operator()(int i) { return v[i]; }
    double operator()(int i) const { return v[i]; }
};

struct Workspace {
    Matrix A;
    Vector x;
    int n = 0;  // row count, 0..100
    int m = 0;  // column count, 0..100
};

}  // namespace lineer
