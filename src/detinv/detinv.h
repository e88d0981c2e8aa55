#pragma once
// The determinant and the inverse of the square block A(1..n, 1..n).

#include "context.h"

namespace lineer {

// Each returns how it ended.
RunResult Module_DetGauss(Context& ctx);
RunResult Module_InvScrobanski(Context& ctx);

}  // namespace lineer
