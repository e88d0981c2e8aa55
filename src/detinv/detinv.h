#pragma once
// The determinant and the inverse of the square block A(1..n, 1..n).

#include "context.h"

namespace lineer {

// Each returns how it ended.
RunResult Module_DetGauss(Context& ctx);
RunResult Module_InvScrobanski(Context& ctx);
// The determinant by Gauss elimination with partial pivoting: the product
// of the triangle's diagonal times (−1) to the number of row exchanges. A
// column that is zero from the diagonal down makes it 0; it never stops on
// a zero pivot. Refuses a block with fewer columns than rows.
RunResult Module_DetPivot(Context& ctx);

}  // namespace lineer
