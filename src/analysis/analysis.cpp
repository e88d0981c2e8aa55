#include "analysis.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numformat.h"
#include "remarks.h"
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

std::optional<Residual> residualLines(Context& ctx, const Matrix& A, int n, int rhs, const double* x) {
    const auto r = residual(A, n, rhs, x);
    if (!r) return r;
    line(ctx, format(Text::ResidualLine, fig3(ctx, r->largest)));
    line(ctx, format(Text::RelativeResidualLine, fig3(ctx, r->relative)));
    line(ctx, format(Text::ComponentwiseBackwardLine, fig3(ctx, r->componentwise)));
    return r;
}

// The condition numbers, and unless `verdict` is false the digits that can
// be trusted: from the forward-error bound where there is a backward error
// (a system's residual, an inverse's defect), else from Skeel's number and
// the unit roundoff. `unstableText` names the stable method for a system;
// an inverse's defect ‖A·X − I‖∞ bounds its relative error by itself.
void conditionLines(Context& ctx, const Matrix& A, int n, bool verdict, std::optional<double> backward,
                    std::optional<PlainText> unstableText, bool inverse = false) {
    const Condition c = condition(A, n);
    if (c.kappa > 0) line(ctx, format(Text::ConditionLine, fig3(ctx, c.kappa)));
    if (c.skeel > 0) line(ctx, format(Text::SkeelConditionLine, fig3(ctx, c.skeel)));
    if (!verdict) return;
    if (c.singular) {
        line(ctx, std::string(text(Text::SingularToPrecision)));
        return;
    }
    const double bound = inverse && backward ? std::max(*backward, kUnitRoundoff)
                                             : forwardErrorBound(c.skeel, backward.value_or(0));
    if (backward && !inverse) line(ctx, format(Text::ForwardBoundLine, fig3(ctx, bound)));
    const double digits = trustedDigits(bound);
    if (digits < 1) {
        line(ctx, std::string(text(Text::NoTrustedDigits)));
    } else {
        const int low = static_cast<int>(std::floor(digits));
        const std::string from = intText(low), to = intText(low + 1);
        // Four digits lost is where textbooks begin to call a matrix ill
        // conditioned (the 3 × 3 Hilbert matrix loses less, the 4 × 4 more).
        if (c.skeel < 1e4)
            line(ctx, format(Text::WellConditioned, from, to));
        else
            line(ctx, format(Text::IllConditioned, from, to));
    }
    if (backward && unstableText && unstable(*backward, n)) line(ctx, std::string(text(*unstableText)));
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
    std::optional<Residual> r;
    std::optional<double> backward;
    std::optional<PlainText> unstableText = PlainText(Text::UnstableSolver);
    switch (kind) {
        case Direct::Solver:
            if (m > n) r = residualLines(ctx, A, n, m, ctx.ws.x.v);
            break;
        case Direct::GaussJordan:
            unstableText = PlainText(Text::UnstableGaussJordan);
            if (m > n) {
                double x[kDim] = {};
                for (int i = 1; i <= n; ++i) x[i] = ctx.ws.A(i, m);
                r = residualLines(ctx, A, n, m, x);
            }
            break;
        case Direct::Thomas: {
            const int unused = offTridiagonal(A, n);
            if (unused == 0)
                line(ctx, std::string(text(Text::TridiagonalLine)));
            else
                line(ctx, format(Text::NotTridiagonalLine, intText(unused)));
            if (n + 1 <= kMaxIndex) r = residualLines(ctx, A, n, n + 1, ctx.ws.x.v);
            break;
        }
        case Direct::Determinant:
            break;
        case Direct::Inverse:
            // X − A⁻¹ = A⁻¹(A·X − I): the defect bounds the relative error.
            unstableText.reset();
            if (const auto d = inverseDefect(A, ctx.ws.A, n)) {
                line(ctx, format(Text::InverseCheckLine, fig3(ctx, *d)));
                backward = *d;
            }
            break;
    }
    if (r) backward = r->componentwise;
    // Thomas on a matrix that is not tridiagonal solved another system:
    // what the conditioning says of the digits does not hold for its roots.
    conditionLines(ctx, A, n, kind != Direct::Thomas || offTridiagonal(A, n) == 0, backward, unstableText,
                   kind == Direct::Inverse);
    if (kind == Direct::Determinant) line(ctx, std::string(text(Text::SmallDeterminantNote)));
}

namespace {

std::string omegaText(const Context& ctx, const Optimum& best) {
    return formatSignificant(best.w, best.digits, ctx.decimal);
}

// The best ω of a SOR, or why there is none worth the name.
void optimumLine(Context& ctx, const Optimum& best, Text found) {
    const std::string rho = againstOne(best.rho, ctx.decimal), w = omegaText(ctx, best);
    if (best.rho >= 1)
        line(ctx, format(Text::NoOmegaConverges, rho, w));
    else if (best.atEdge)
        line(ctx, format(Text::OptimumAtEdge, rho, w));
    else if (found == Text::SorOptimumLine)
        line(ctx, format(Text::SorOptimumLine, w, rho));
    else
        line(ctx, format(Text::TextbookOptimumSearched, w, rho));
}

void textbookOptimumLines(Context& ctx, const Optimum& best) {
    const std::string rhoJ = againstOne(best.rhoJ, ctx.decimal);
    switch (best.how) {
        case Optimum::How::Young:
            line(ctx, format(Text::TextbookOptimumClassical, omegaText(ctx, best), againstOne(best.rho, ctx.decimal),
                             rhoJ));
            return;
        case Optimum::How::Imaginary:
            line(ctx, format(Text::TextbookOptimumImaginary, omegaText(ctx, best), againstOne(best.rho, ctx.decimal),
                             rhoJ));
            return;
        case Optimum::How::Searched:
            break;
    }
    switch (best.why) {
        case Optimum::NoFormula::NotTridiagonal:
            line(ctx, std::string(text(Text::YoungNotTridiagonal)));
            break;
        case Optimum::NoFormula::ComplexEigenvalues:
            line(ctx, std::string(text(Text::YoungComplexEigenvalues)));
            break;
        case Optimum::NoFormula::RhoJAtLeastOne:
            line(ctx, format(Text::YoungRhoJAtLeastOne, rhoJ));
            break;
        case Optimum::NoFormula::NotTextbook:
            break;
    }
    optimumLine(ctx, best, Text::TextbookOptimumSearched);
}

}  // namespace

void IterationAnalysis::beforeSweeps(Context& ctx) {
    const Matrix& A = loaded_.A;
    const int n = loaded_.n;
    if (n < 1) return;
    const double w = kind_ == Iteration::Sor || kind_ == Iteration::SorTextbook ? boxW(ctx) : 1;
    w_ = w;
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
    rho_ = radius(A, n, kind_, w);
    if (!rho_) {
        line(ctx, format(Text::SpectralRadiusUnknown, name));
    } else {
        line(ctx, format(Text::SpectralRadiusLine, name, againstOne(rho_->value, ctx.decimal)));
        if (rho_->singularMatrix) line(ctx, std::string(text(Text::SingularIterationLine)));
        if (rho_->nilpotent > 0)
            line(ctx, format(Text::NilpotentLine, intText(rho_->nilpotent)));
        else if (rho_->value < 1)
            line(ctx, format(Text::ConvergesLine, expectedSweeps(ctx, rho_->value)));
        else
            line(ctx, std::string(text(Text::DoesNotConvergeLine)));
    }
    if (kind_ != Iteration::Sor && kind_ != Iteration::SorTextbook) return;

    if (kind_ == Iteration::Sor) {
        line(ctx, std::string(text(Text::SorRelaxesAfterSweep)));
        if (const auto best = optimalW(A, n, Iteration::Sor))
            optimumLine(ctx, *best, Text::SorOptimumLine);
        else
            line(ctx, std::string(text(Text::OptimumUnknown)));
        if (const auto r = spectralRadius(A, n, Iteration::SorTextbook, w))
            line(ctx, format(Text::TextbookSorAtW, fig4(ctx, w), againstOne(*r, ctx.decimal)));
    }
    if (const auto best = optimalW(A, n, Iteration::SorTextbook))
        textbookOptimumLines(ctx, *best);
    else
        line(ctx, std::string(text(Text::OptimumUnknown)));
}

void IterationAnalysis::sweep(std::int64_t k, double e) { history_.add(k, e); }

void IterationAnalysis::afterReport(Context& ctx) {
    if (const auto rate = history_.rate()) {
        const std::string spanText = intText(rate->span);
        if (rho_)
            line(ctx, format(Text::ObservedRateLine, spanText, fig3(ctx, rate->factor),
                             againstOne(rho_->value, ctx.decimal)));
        else
            line(ctx, format(Text::ObservedRateAloneLine, spanText, fig3(ctx, rate->factor)));
    }
    if (history_.sweeps() < 1) return;
    // The a-priori radius stands for the run's matrix.
    IterationTruth t;
    t.lastChange = history_.last();
    t.rho = rho_;
    if (rho_ && rho_->value < 1 && std::isfinite(t.lastChange))
        t.errorBound = rho_->value / (1 - rho_->value) * t.lastChange;
    if (loaded_.m > loaded_.n) t.residual = residual(loaded_.A, loaded_.n, loaded_.m, ctx.ws.x.v);
    for (std::string& l : iterationBoundLines(t, ctx.decimal)) line(ctx, std::move(l));
}

}  // namespace lineer::analysis
