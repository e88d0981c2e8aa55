#pragma once
// The analysis lines a run adds when the user asks for them: how far a
// direct method's result can be trusted (residual, condition number), and
// why an iteration converges or not (dominance, spectral radius, the best
// relaxation factor). Every figure is computed from the matrix as loaded,
// never from what the method left in the workspace, and written with 3 or
// 4 significant digits, so that it does not depend on the last bits.
// Its lines are of the analysis part; nothing here stops the run.

#include <cstdint>

#include "context.h"
#include "measures.h"
#include "truth.h"

namespace lineer::analysis {

// What a direct method left, and where its result is.
enum class Direct {
    Solver,       // roots in x(1..n), right-hand side in column m
    GaussJordan,  // roots in column m of the final matrix
    Thomas,       // roots in x(1..n), right-hand side in column n + 1
    Determinant,
    Inverse,      // the inverse in A(1..n, 1..n) of the final matrix
};

// The lines after a direct method that reached its end. `loaded` is the
// matrix the method was given, ctx.ws what it left. The digits it calls
// trustworthy come from the forward-error bound, Skeel's condition number
// times the backward error, so that neither an unstable elimination nor
// the units of the equations mislead it.
void appendDirect(Context& ctx, Direct kind, const Workspace& loaded);

// The analysis of an iteration: the a-priori part before the first sweep,
// the observed rate after the report: the mean factor by which the
// maximum change shrank per sweep over the last ten sweeps (fewer in a
// shorter run), which one ratio of two changes would not show when the
// dominant eigenvalues are complex. ω is read from the run's box. After
// the report also the error bound ρ/(1 − ρ)·(last change) and the true
// residual of the last iterate.
class IterationAnalysis : public IterationObserver {
public:
    IterationAnalysis(const Workspace& loaded, Iteration kind) : loaded_(loaded), kind_(kind) {}
    void beforeSweeps(Context& ctx) override;
    void sweep(std::int64_t k, double e) override;
    void afterReport(Context& ctx) override;

private:
    SweepHistory history_;
    const Workspace& loaded_;
    Iteration kind_;
    double w_ = 1;
    std::optional<Radius> rho_;
};

// The iteration matrix of `kind` at ω, in notation: "−D⁻¹(L + U)".
std::string matrixNotation(Iteration kind, double w, std::string_view decimal);

}  // namespace lineer::analysis
