#pragma once
// The determinant and the inverse of the square block A(1..n, 1..n).

#include "context.h"

namespace lineer {

void Module_DetGauss(Context& ctx);
void Module_InvScrobanski(Context& ctx);

}  // namespace lineer
