#include "analysis.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numformat.h"
#include "textnum.h"

namespace lineer::analysis {

namespace {

// Residuals and condition numbers with 3 significant digits; spectral
// radii and relaxation factors, which sit near 1, with 4.
std::string fig3(const Context& ctx, double v) { return formatSignificant(v, 3, ctx.decimal); }
std::string fig4(const Context& ctx, double v) { return formatSignificant(v, 4, ctx.decimal); }

// One line of the analysis.
void line(Context& ctx, std::string text) { ctx.list(LinePart::Analysis, LineKind::Text, std::move(text)); }
// The " " and the heading that set the analysis apart.
void start(Context& ctx, PlainText heading) {
    ctx.list(LinePart::Analysis, LineKind::Blank, " ");
    ctx.list(LinePart::Analysis, LineKind::Heading, std::string(text(heading)));
}

// "2, 5, 7", the first twenty rows and "…" after them.
std::string rowList(const std::vector<int>& rows) {
    std::string s;
    for (std::size_t k = 0; k < rows.size() && k < 20; ++k) {
        if (k > 0) s += ", ";
        s += intText(rows[k]);
    }
    if (rows.size() > 20) s += ", \u2026";
    return s;
}

// The condition number, and unless `verdict` is false the verdict with the
// digits that can be trusted.
void conditionLines(Context& ctx, const Matrix& A, int n, bool verdict = true) {
    const Condition c = condition(A, n);
    if (c.kappa > 0) line(ctx, format(Text::ConditionLine, fig3(ctx, c.kappa)));
    if (!verdict) return;
    if (c.singular) {
        line(ctx, std::string(text(Text::SingularToPrecision)));
        return;
    }
    const double digits = trustedDigits(c.kappa);
    const int low = static_cast<int>(std::floor(digits));
    const std::string from = intText(low), to = intText(low + 1);
    // Four digits lost is where textbooks begin to call a matrix ill
    // conditioned (the 3 × 3 Hilbert matrix loses less, the 4 × 4 more).
    if (c.kappa < 1e4)
        line(ctx, format(Text::WellConditioned, from, to));
    else
        line(ctx, format(Text::IllConditioned, from, to));
}

void residualLines(Context& ctx, const Matrix& A, int n, int rhs, const double* x) {
    const auto r = residual(A, n, rhs, x);
    if (!r) return;
    line(ctx, format(Text::ResidualLine, fig3(ctx, r->largest)));
    line(ctx, format(Text::RelativeResidualLine, fig3(ctx, r->relative)));
}

// Sweeps to reduce the error by 10^-6 at the rate ρ < 1.
std::string expectedSweeps(const Context& ctx, double rho) {
    const double sweeps = rho > 0 ? std::ceil(-6 / std::log10(rho)) : 1;
    if (sweeps < 1) return "1";
    if (sweeps < 1e9) return intText(static_cast<long long>(sweeps));
    return fig3(ctx, sweeps);
}

double boxW(const Context& ctx) { return boxNumber(ctx.params.wText, ctx.decimal); }

}  // namespace

std::string matrixNotation(Iteration kind, double w, std::string_view decimal) {
    const std::string at = std::isfinite(w) ? ", \u03c9 = " + formatSignificant(w, 4, decimal) : std::string();
    switch (kind) {
        case Iteration::Jacobi:
            return "\u2212D\u207b\u00b9(L + U)";
        case Iteration::GaussSeidel:
            return "\u2212(D + L)\u207b\u00b9U";
        case Iteration::Sor:
            return "\u03c9·T_GS + (1 \u2212 \u03c9)·I" + at;
        case Iteration::SorTextbook:
            return "(D + \u03c9L)\u207b\u00b9((1 \u2212 \u03c9)D \u2212 \u03c9U)" + at;
    }
    return {};
}

void appendDirect(Context& ctx, Direct kind, const Workspace& loaded) {
    const int n = loaded.n;
    const int m = loaded.m;
    if (n < 1 || m < n) return;
    const Matrix& A = loaded.A;
    start(ctx, Text::AccuracyHeading);
    switch (kind) {
        case Direct::Solver:
            if (m > n) residualLines(ctx, A, n, m, ctx.ws.x.v);
            break;
        case Direct::GaussJordan:
            if (m > n) {
                double x[kDim] = {};
                for (int i = 1; i <= n; ++i) x[i] = ctx.ws.A(i, m);
                residualLines(ctx, A, n, m, x);
            }
            break;
        case Direct::Thomas: {
            const int unused = offTridiagonal(A, n);
            if (unused == 0)
                line(ctx, std::string(text(Text::TridiagonalLine)));
            else
                line(ctx, format(Text::NotTridiagonalLine, intText(unused)));
            if (n + 1 <= kMaxIndex) residualLines(ctx, A, n, n + 1, ctx.ws.x.v);
            break;
        }
        case Direct::Determinant:
            break;
        case Direct::Inverse:
            if (const auto d = inverseDefect(A, ctx.ws.A, n)) line(ctx, format(Text::InverseCheckLine, fig3(ctx, *d)));
            break;
    }
    // Thomas on a matrix that is not tridiagonal solved another system:
    // what the conditioning says of the digits does not hold for its roots.
    conditionLines(ctx, A, n, kind != Direct::Thomas || offTridiagonal(A, n) == 0);
    if (kind == Direct::Determinant) line(ctx, std::string(text(Text::SmallDeterminantNote)));
}

void IterationAnalysis::beforeSweeps(Context& ctx) {
    const Matrix& A = loaded_.A;
    const int n = loaded_.n;
    if (n < 1) return;
    const double w = kind_ == Iteration::Sor || kind_ == Iteration::SorTextbook ? boxW(ctx) : 1;
    start(ctx, Text::ConvergenceHeading);
    const Dominance d = dominance(A, n);
    if (d.notStrict.empty())
        line(ctx, std::string(text(Text::DominanceStrict)));
    else if (d.notWeak.empty())
        line(ctx, format(Text::DominanceWeak, rowList(d.notStrict)));
    else
        line(ctx, format(Text::DominanceFails, rowList(d.notWeak)));

    for (int i = 1; i <= n; ++i)
        if (A(i, i) == 0) {
            line(ctx, std::string(text(Text::IterationMatrixUndefined)));
            return;
        }
    line(ctx, std::string(text(Text::SplittingLine)));
    const std::string name = matrixNotation(kind_, w, ctx.decimal);
    rho_ = spectralRadius(A, n, kind_, w);
    if (!rho_) {
        line(ctx, format(Text::SpectralRadiusUnknown, name));
    } else {
        line(ctx, format(Text::SpectralRadiusLine, name, fig4(ctx, *rho_)));
        if (*rho_ < 1)
            line(ctx, format(Text::ConvergesLine, expectedSweeps(ctx, *rho_)));
        else
            line(ctx, std::string(text(Text::DoesNotConvergeLine)));
    }
    if (kind_ != Iteration::Sor && kind_ != Iteration::SorTextbook) return;

    if (kind_ == Iteration::Sor) {
        line(ctx, std::string(text(Text::SorRelaxesAfterSweep)));
        if (const auto best = optimalW(A, n, Iteration::Sor))
            line(ctx, format(Text::SorOptimumLine, fig3(ctx, best->w), fig4(ctx, best->rho)));
        else
            line(ctx, std::string(text(Text::OptimumUnknown)));
        if (const auto r = spectralRadius(A, n, Iteration::SorTextbook, w))
            line(ctx, format(Text::TextbookSorAtW, fig4(ctx, w), fig4(ctx, *r)));
    }
    const auto best = optimalW(A, n, Iteration::SorTextbook);
    if (!best) {
        line(ctx, std::string(text(Text::OptimumUnknown)));
    } else if (best->classical) {
        const auto rhoJ = spectralRadius(A, n, Iteration::Jacobi);
        line(ctx, format(Text::TextbookOptimumClassical, fig4(ctx, best->w), fig4(ctx, best->rho),
                         fig4(ctx, rhoJ ? *rhoJ : 0)));
    } else {
        line(ctx, format(Text::TextbookOptimumSearched, fig3(ctx, best->w), fig4(ctx, best->rho)));
    }
}

void IterationAnalysis::sweep(std::int64_t k, double e) {
    sweeps_ = k;
    changes_[k % (kSpan + 1)] = e;
}

void IterationAnalysis::afterReport(Context& ctx) {
    const std::int64_t span = std::min<std::int64_t>(kSpan, sweeps_ - 1);
    if (span < 1) return;
    const double first = changes_[(sweeps_ - span) % (kSpan + 1)];
    const double last = changes_[sweeps_ % (kSpan + 1)];
    if (!(first > 0)) return;
    const double rate = std::pow(last / first, 1.0 / static_cast<double>(span));
    if (!std::isfinite(rate)) return;
    const std::string spanText = intText(span);
    if (rho_)
        line(ctx, format(Text::ObservedRateLine, spanText, fig3(ctx, rate), fig4(ctx, *rho_)));
    else
        line(ctx, format(Text::ObservedRateAloneLine, spanText, fig3(ctx, rate)));
}

}  // namespace lineer::analysis
