#pragma once
// The method procedures. Each reads the workspace and writes its output
// through the context's host.

#include "context.h"

namespace lineer {

void Module_DetGauss(Context& ctx);
void Module_InvScrobanski(Context& ctx);
void Module_LesGauss(Context& ctx);
void Module_LesMPGauss(Context& ctx);
void Module_LesGaussJordan(Context& ctx);
void Module_LUFact(Context& ctx);
void Module_LesThomas(Context& ctx);
void Module_LesJacobi(Context& ctx);
void Module_LesGaussSidel(Context& ctx);
void Module_LesSOR(Context& ctx);

// Gauss elimination as Module_LesGauss runs it; returns whether it ran to
// its end (false after the zero-diagonal message).
bool lesGauss(Context& ctx);

}  // namespace lineer
