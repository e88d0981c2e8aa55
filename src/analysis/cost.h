#pragma once
// The arithmetic a direct method does on an n × m workspace: its
// multiplications and divisions counted as the program carries them out
// (additions, exchanges and comparisons not counted). Deterministic, so a
// comparison can show n³/3 against n³/2 where timings would show the
// machine's mood.

#include <cstdint>

#include "measures.h"

namespace lineer::analysis {

enum class DirectMethod {
    Gauss,          // elimination, then back-solving
    MaxPivotGauss,  // the same after exchanges, which cost no arithmetic
    GaussJordan,
    Doolittle,
    Crout,
    LuPivot,  // PA = LU by elimination, then the two substitutions
    Thomas,
    Determinant,
    Inverse,  // by bordering
};

struct OperationCount {
    long long multiplications = 0;
    long long divisions = 0;
    long long total() const { return multiplications + divisions; }
};

// The count of a complete run (no zero pivot), with the explained steps off.
// An elimination divides each pivot row once by its pivot and multiplies
// the quotients into every row below (Gauss) or every other row
// (Gauss-Jordan): for m = n + 1 that is about n³/3 against n³/2
// multiplications. n < 1 or m < n counts nothing.
OperationCount operationCount(DirectMethod method, int n, int m);

// One sweep of an iteration on n equations: n − 1 products and one
// quotient a row, and the SORs' two products a component for the blend.
OperationCount sweepCount(Iteration kind, int n);

}  // namespace lineer::analysis
