#pragma once
// The iterative solvers. The iteration limit and the relaxation factor are
// the numbers of the context's run parameters. Each returns how it ended,
// with its sweeps and last change. A zero on the diagonal, when a sweep is
// going to run, shows the zero-diagonal message and ends ZeroPivot before
// any sweep (see iterate in iteration.h).

#include "context.h"

namespace lineer {

RunResult Module_LesJacobi(Context& ctx);
RunResult Module_LesGaussSidel(Context& ctx);
RunResult Module_LesSOR(Context& ctx);
// SOR as textbooks write it: x(i) is relaxed as soon as it is computed, and
// the rows below it read the relaxed value. The same loop, report and plot.
RunResult Module_LesSORTextbook(Context& ctx);

}  // namespace lineer
