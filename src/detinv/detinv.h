#pragma once
// The determinant and the inverse of the square block A(1..n, 1..n).

#include "context.h"

namespace lineer {

// Each expects m >= n (otherwise Refused, with the reason) and returns how
// it ended; neither exchanges rows or columns.

// Gauss elimination of the block in place, then the product of its
// diagonal. A zero pivot prints the zero-diagonal message into the picture
// and ends ZeroPivot, with the steps before it applied to A.
RunResult Module_DetGauss(Context& ctx);
// The same in exact fractions: the determinant as a fraction.
RunResult Module_DetGaussExact(Context& ctx);
// Replaces the block by its inverse, bordering one row and column at a
// time. A zero A(1, 1) or a zero corner d (a singular leading block) shows
// the zero-diagonal message and ends ZeroPivot with nothing listed; an
// inverse element out of range ends it as Overflow or Underflow.
RunResult Module_InvScrobanski(Context& ctx);
// The determinant by Gauss elimination with partial pivoting: the product
// of the triangle's diagonal times (−1) to the number of row exchanges. A
// column that is zero from the diagonal down makes it 0; it never stops on
// a zero pivot. Refuses a block with fewer columns than rows.
RunResult Module_DetPivot(Context& ctx);

}  // namespace lineer
