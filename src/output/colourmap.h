#pragma once
// The colour map of the workspace matrix ("Matrisi göster").

#include "context.h"

namespace lineer {

// Clears the picture and draws A(1..n, 1..m) as boxes, deeper red for
// larger magnitudes.
void resimle(Context& ctx);

}  // namespace lineer
