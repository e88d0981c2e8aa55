#pragma once
// The iterative solvers. The iteration limit and the relaxation factor are
// read from the texts in the context's run parameters.

#include "context.h"

namespace lineer {

void Module_LesJacobi(Context& ctx);
void Module_LesGaussSidel(Context& ctx);
void Module_LesSOR(Context& ctx);
// SOR as textbooks write it: x(i) is relaxed as soon as it is computed, and
// the rows below it read the relaxed value. The same loop, report and plot.
void Module_LesSORTextbook(Context& ctx);

}  // namespace lineer
