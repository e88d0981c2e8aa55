#pragma once
// "Yöntemleri karşılaştır": every method that applies to the loaded system
// run on its own copy of the matrix, and one table of how each did.

#include "context.h"

namespace lineer {

// Runs the methods the table marks for it on copies of `loaded` (a system
// with m = n + 1; each method only where the system meets its needs, so
// Thomas only on a tridiagonal one; the iterations with the limit and ω of
// `params`, and the textbook SOR also at its best ω) and appends the
// table to ctx's results list: method, outcome, sweeps, relative residual,
// largest difference from the solution with the smallest residual, time
// in microseconds. The runs show nothing of their own; the host is asked
// whether to go on after every sweep. ctx.ws is not touched.
void compareMethods(Context& ctx, const Workspace& loaded, const RunParameters& params);

}  // namespace lineer
