#pragma once
// The marks the methods give the step-by-step view (stepobserver.h). Every
// call site tests ctx.stepObserver first, so an unwatched run does nothing
// here.

#include <cmath>
#include <string>

#include "context.h"
#include "numformat.h"

namespace lineer::watch {

// The system as the view's grid: [A | b] with the bar before b, or the
// square matrix alone.
inline int system(Context& ctx, const Matrix& A, int n, int m) {
    if (m > n) return ctx.stepObserver->grid(Text::StepViewSystem, A, n, m, n + 1);
    return ctx.stepObserver->grid(Text::StepViewMatrix, A, n, m, 0);
}

inline std::string number(const Context& ctx, double v) {
    return std::isfinite(v) ? formatFixed4(v, ctx.decimal) : std::string(text(Text::StepOverflow));
}

// One elimination step with pivot A(k, k): rows from..to but k take their
// multiple A(i, k) / pivot of row k, columns `column` on. Made before the
// step changes the rows, sent after.
inline StepMarks elimination(const Matrix& A, StepText what, int grid, int k, int from, int to, double pivot,
                             int column) {
    StepMarks marks{std::move(what), grid, k, k, {}, {}, column, 0, {}};
    for (int i = from; i <= to; ++i)
        if (i != k) {
            marks.rows.push_back(i);
            marks.multipliers.push_back(A(i, k) / pivot);
        }
    return marks;
}

// Rows i and j have changed places.
inline void rowExchange(Context& ctx, int grid, int i, int j) {
    ctx.stepObserver->step({stepText(Text::StepViewRowExchange, intText(i), intText(j)), grid, 0, 0, {i, j}, {}, 1, 0, {}});
}

// Columns i and j of the first `rows` rows have changed places.
inline void columnExchange(Context& ctx, int grid, int i, int j, int rows) {
    StepMarks marks{stepText(Text::StepViewColumnExchange, intText(i), intText(j)), grid, 0, 0, {}, {}, 1, 0, {}};
    for (int r = 1; r <= rows; ++r) marks.rows.push_back(r);
    ctx.stepObserver->step(std::move(marks));
}

}  // namespace lineer::watch
