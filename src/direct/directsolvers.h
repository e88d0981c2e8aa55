#pragma once
// The direct solvers. Each reads the workspace and writes its output
// through the context's host.

#include "context.h"
#include "lu.h"

namespace lineer {

void Module_LesGauss(Context& ctx);
void Module_LesMPGauss(Context& ctx);
void Module_LesGaussJordan(Context& ctx);
void Module_LUFact(Context& ctx, LuVariant variant);
void Module_LesThomas(Context& ctx);

// Gauss elimination as Module_LesGauss runs it; returns whether it ran to
// its end (false after the zero-diagonal message).
bool lesGauss(Context& ctx);

}  // namespace lineer
