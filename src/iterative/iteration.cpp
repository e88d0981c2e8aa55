#include "iteration.h"

#include "numformat.h"

namespace lineer {

bool hasZeroDiagonal(const Matrix& A, int n) {
    for (int i = 1; i <= n; ++i)
        if (A.a[i][i] == 0) return true;
    return false;
}

bool startVector(const Context& ctx, double* x) {
    const std::vector<double>& x0 = ctx.params.x0;
    const int n = ctx.ws.n;
    const std::size_t size = x0.size();
    if (size > 1 && size != static_cast<std::size_t>(n)) return false;
    for (int i = 1; i <= n; ++i) x[i] = size == 0 ? 1 : x0[size == 1 ? 0 : static_cast<std::size_t>(i - 1)];
    return true;
}

namespace {

// What the run started from and stopped at, when the user set them.
std::vector<std::string> startAndTolerance(const Context& ctx) {
    std::vector<std::string> lines;
    const std::vector<double>& x0 = ctx.params.x0;
    const auto number = [&](double v) { return formatSignificant(v, 15, ctx.decimal); };
    if (x0.size() == 1) {
        lines.push_back(format(Text::StartVectorEvery, number(x0[0])));
    } else if (!x0.empty()) {
        std::string list;
        for (std::size_t i = 0; i < x0.size(); ++i) list += (i > 0 ? "; " : "") + number(x0[i]);
        lines.push_back(format(Text::StartVectorLine, list));
    }
    if (ctx.params.tolerance) lines.push_back(format(Text::ToleranceLine, number(*ctx.params.tolerance)));
    return lines;
}

}  // namespace

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
    std::vector<std::string> given = startAndTolerance(ctx);
    if (given.empty()) return;
    ctx.blank();
    for (std::string& line : given) ctx.append(std::move(line));
}

void appendStoppedLine(Context& ctx, std::int64_t k) {
    ctx.append(format(Text::StoppedLine, intText(k)));
}

}  // namespace lineer
