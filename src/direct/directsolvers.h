#pragma once
// The direct solvers. Each reads the workspace, writes its output through
// the context's host and returns how it ended.

#include "context.h"
#include "lu.h"

namespace lineer {

RunResult Module_LesGauss(Context& ctx);
RunResult Module_LesMPGauss(Context& ctx);
RunResult Module_LesGaussJordan(Context& ctx);
RunResult Module_LUFact(Context& ctx, LuVariant variant);
RunResult Module_LesThomas(Context& ctx);

}  // namespace lineer
