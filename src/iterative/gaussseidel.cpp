// Gauss-Seidel iteration: Jacobi's loop with an in-place sweep, so each
// equation uses the values the same sweep has produced before it.

#include "iteration.h"
#include "iterative.h"

namespace lineer {

RunResult Module_LesGaussSidel(Context& ctx) { return iterateWithSweep<gaussSeidelSweep, true>(ctx); }

}  // namespace lineer
