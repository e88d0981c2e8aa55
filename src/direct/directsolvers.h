#pragma once
// The direct solvers. Each reads the workspace, writes its output through
// the context's host and returns how it ended.

#include "context.h"
#include "lu.h"

namespace lineer {

// Each expects n equations of m columns in the workspace, the right side in
// column m (column n + 1 for Thomas), and writes x(1..n) only when it ends
// Solved. A value that is not finite or that lost its digits below the
// normal range ends it as Overflow or Underflow.

// No exchanges. A zero pivot (including A(n, n), which back-solving divides
// by) shows the zero-diagonal message and ends ZeroPivot, with the steps
// before it applied to A and nothing listed.
RunResult Module_LesGauss(Context& ctx);
// Rows and columns exchanged so that the largest remaining element is the
// pivot, then Module_LesGauss; a pivot that is still zero (a singular
// block) ends as Module_LesGauss does, after the reordered listing.
RunResult Module_LesMPGauss(Context& ctx);
// Row exchanges for the largest pivot in its column; a pivot that is zero
// all the same (a singular column) shows the zero-diagonal message and
// ends ZeroPivot after the listings so far.
RunResult Module_LesGaussJordan(Context& ctx);

// Gauss and Gauss-Jordan in exact fractions: the same steps and zero tests,
// the values fractions; a zero pivot goes on to say whether the system has
// no solution or infinitely many, and gives the general solution.
RunResult Module_LesGaussExact(Context& ctx);
RunResult Module_LesGaussJordanExact(Context& ctx);
// Factorises the block A(1..n, 1..n); A is not changed.
// No exchanges: a zero pivot prints the zero-diagonal message into the
// picture and ends ZeroPivot with nothing listed.
RunResult Module_LUFact(Context& ctx, LuVariant variant);
// Reads only the three diagonals and column n + 1 (n <= 99, else Refused);
// A is not changed. A zero pivot (b(1) or a beta) shows the zero-diagonal
// message and ends ZeroPivot after the band table.
RunResult Module_LesThomas(Context& ctx);

// Beside them, the methods a first course teaches: Gauss elimination with
// partial and with complete pivoting, P·A = L·U, Cholesky's A = L·Lᵀ. Each
// needs a system (n ≥ 1, m > n; the right-hand side is column m) and
// refuses another matrix. A singular matrix ends the run with a message
// naming the step (ZeroPivot); Cholesky refuses a matrix that is not
// symmetric or not positive definite, saying where.
RunResult Module_LesGaussPivot(Context& ctx);
RunResult Module_LesCompletePivot(Context& ctx);
RunResult Module_LesLUPivot(Context& ctx);
RunResult Module_LesCholesky(Context& ctx);

// Back-solving the triangle A(1..n, 1..n), whose diagonal is not zero,
// with the right-hand side in column m, into x(1..n) from the last row up.
// `order`, when given, names the variable of each column in the explained
// steps (after column exchanges x(k) is the value of variable order[k]).
void backSolve(Context& ctx, const Matrix& A, int n, int m, double* x, const int* order = nullptr);

// Whether the workspace holds a system the methods above can solve.
inline bool systemLoaded(const Workspace& ws) { return ws.n >= 1 && ws.m > ws.n; }

}  // namespace lineer
