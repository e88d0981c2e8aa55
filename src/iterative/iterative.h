#pragma once
// The iterative solvers. The iteration limit and the relaxation factor are
// read from the texts in the context's run parameters.

#include "context.h"

namespace lineer {

void Module_LesJacobi(Context& ctx);
void Module_LesGaussSidel(Context& ctx);
void Module_LesSOR(Context& ctx);

}  // namespace lineer
