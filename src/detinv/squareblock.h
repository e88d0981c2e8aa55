#pragma once
// The determinant and the inverse work on the square block A(1..n, 1..n).

#include "context.h"

namespace lineer {

// Whether the square block lies inside the columns the file filled.
inline bool squareBlockLoaded(const Workspace& ws) { return ws.m >= ws.n; }

}  // namespace lineer
