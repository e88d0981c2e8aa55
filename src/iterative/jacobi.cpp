// Jacobi's simple iteration: every equation of a sweep reads only the
// previous iterate.

#include "iteration.h"
#include "iterative.h"

namespace lineer {

RunResult Module_LesJacobi(Context& ctx) { return iterateWithSweep<jacobiSweep, false>(ctx); }

}  // namespace lineer
