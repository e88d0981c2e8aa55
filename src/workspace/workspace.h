#pragma once
// The problem workspace: the matrix of the current problem, its size and
// the root vector every solver writes. Cells are never cleared between loads.

#include <memory>
#include <string>
#include <vector>

#include "doublearith.h"

namespace lineer {

inline constexpr int kDim = 101;  // indices 0..100; row/column 0 carry no data
inline constexpr int kMaxIndex = 100;

// A fixed 101 x 101 matrix of doubles, indexed (row, column), contiguous.
struct Matrix {
    double a[kDim][kDim] = {};
    double& operator()(int i, int j) { return a[i][j]; }
    double operator()(int i, int j) const { return a[i][j]; }
    double* row(int i) { return a[i]; }
    const double* row(int i) const { return a[i]; }
};

struct Vector {
    double v[kDim] = {};
    double& operator()(int i) { return v[i]; }
    double operator()(int i) const { return v[i]; }
};

// The coefficients as the file wrote them, row by row: the exact mode reads
// "0.1" as 1/10 and "1/3" as a third, not as their doubles.
struct CellTexts {
    int n = 0, m = 0;
    std::vector<std::string> cells;  // n × m texts
};

struct Workspace {
    Matrix A;
    Vector x;
    int n = 0;  // row count, 0..100
    int m = 0;  // column count, 0..100
    // The texts of the last load, shared by the copies of the workspace;
    // a cell whose double no longer reads from its text has been changed
    // since, and counts as its double.
    std::shared_ptr<const CellTexts> texts;
};

}  // namespace lineer
