#pragma once
// The direct solvers. Each reads the workspace, writes its output through
// the context's host and returns how it ended.

#include "context.h"
#include "lu.h"

namespace lineer {

RunResult Module_LesGauss(Context& ctx);
RunResult Module_LesMPGauss(Context& ctx);
RunResult Module_LesGaussJordan(Context& ctx);
RunResult Module_LUFact(Context& ctx, LuVariant variant);
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
