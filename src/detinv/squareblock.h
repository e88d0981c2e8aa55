#pragma once
// The determinant and the inverse work on the square block A(1..n, 1..n).

#include "context.h"

namespace lineer {

// Whether the square block lies inside the columns the file filled; shows
// the message when it does not.
inline bool squareBlockLoaded(Context& ctx) {
    if (ctx.ws.m < ctx.ws.n) {
        ctx.message(Text::TooFewColumns);
        return false;
    }
    return true;
}

}  // namespace lineer
