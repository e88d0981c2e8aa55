#include "iteration.h"

#include "numformat.h"

namespace lineer {

bool hasZeroDiagonal(const Matrix& A, int n) {
    for (int i = 1; i <= n; ++i)
        if (A.a[i][i] == 0) return true;
    return false;
}

void appendIterationReport(Context& ctx, std::int64_t k, double e) {
    requireFinite(e);
    for (int i = 1; i <= ctx.ws.n; ++i) requireFinite(ctx.ws.x(i));

    std::string count = format(Text::IterationCountLine, intText(k));
    std::string error = format(Text::MaxErrorLine, formatRounded(e, 6, ctx.decimal));

    ctx.blank();
    ctx.append(std::move(count));
    appendRootsBlock(ctx, Text::RootsHeading);
    ctx.blank();
    ctx.append(std::move(error));
}

void appendStoppedLine(Context& ctx, std::int64_t k) {
    ctx.append(format(Text::StoppedLine, intText(k)));
}

}  // namespace lineer
