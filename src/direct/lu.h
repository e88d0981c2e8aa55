#pragma once
// The LU factorisation without pivoting, in its Doolittle and Crout forms.

#include "context.h"

namespace lineer::watch {
// The step-by-step view's marks of LU step k: row k of U from column k
// and column k of L from row k, with the pivot.
StepMarks luStep(int gridL, int gridU, int k, int n, std::string pivot);
}  // namespace lineer::watch

namespace lineer {

enum class LuVariant { Doolittle, Crout };

// Factorises the block A(1..n, 1..n) into L and U (A = L·U); L and U must
// be all zero on entry. Doolittle puts ones on L's diagonal, Crout on U's.
// Returns false when a pivot (U(k, k) for Doolittle, L(k, k) for Crout) is
// exactly zero; L and U then hold a partial factorisation. An element that
// is too small to be a double throws NumberUnderflow. With `explain`
// (null unless the user asked for the working) every element is explained
// as it is computed, or each step in one line for large n.
// With `watched` (the run, when a step-by-step view watches it) the view
// sees each step k's row of U and column of L.
bool luFactor(const Matrix& A, int n, LuVariant variant, Matrix& L, Matrix& U, Context* explain = nullptr,
              Context* watched = nullptr);

// The factorisation with partial pivoting, P·A = L·U, of the block
// A(1..n, 1..n) by Gauss elimination: in step k the row with the largest
// |element| of column k, from row k down (the first of equal ones), is
// exchanged into row k. L is unit lower, U upper, and row i of P·A is row
// perm[i] of A. L and U must be all zero on entry. Returns 0, or the step k
// whose column is zero from row k down (A is singular; L and U then hold a
// partial factorisation). An element too small to be a double throws
// NumberUnderflow. With `explain` each exchange and row operation is
// explained.
int luPivotFactor(const Matrix& A, int n, Matrix& L, Matrix& U, int* perm, Context* explain = nullptr,
                  Context* watched = nullptr);

}  // namespace lineer
