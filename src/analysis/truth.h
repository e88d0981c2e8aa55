#pragma once
// What is true of a run whatever the method printed: whether the
// coefficient matrix is singular and what follows for the system, whether
// a determinant's four decimals hide it, and how an iteration ended. Each
// function measures and returns figures; remarks.h turns them into lines.
// Every figure comes from the matrix as loaded, never from what a method
// left in the workspace (the determinant's value aside, which is the
// method's own product).

#include <cstdint>
#include <optional>

#include "measures.h"
#include "outcome.h"
#include "workspace.h"

namespace lineer::analysis {

// What a system with this coefficient matrix has.
enum class Solutions {
    Unique,    // the matrix is regular
    None,      // rank [A | b] > rank A
    Infinite,  // rank [A | b] = rank A < n
};

struct MatrixTruth {
    int n = 0;
    bool system = false;  // m = n + 1: column m is a right-hand side
    // The reciprocal condition estimate (1-norm) of the row-equilibrated
    // block A(1..n, 1..n) after LU with partial pivoting: 0 when a pivot is
    // 0 or a value is not finite, about 1 for a well-conditioned matrix.
    double rcond = 0;
    // The numerical rank, from the singular values with the tolerance
    // max(n, m)·ε·σ₁, where rcond says the matrix may be singular; n
    // without an SVD.
    int rank = 0;
    bool singular = false;  // rank < n: singular, or singular to working precision
    // For a system: the rank of [A | b] (found the same way), and the case.
    int rankAugmented = 0;
    Solutions solutions = Solutions::Unique;
    int freeVariables = 0;  // n − rank where there are infinitely many solutions
};

// Costs one LU factorisation and an O(n²) estimate on a regular matrix; the
// SVDs only where the estimate is below kMaySingular. A workspace without
// a square block (m < n, n < 1) gives n = 0 and nothing else.
MatrixTruth matrixTruth(const Workspace& loaded);

// The first step k at which elimination without exchanges, in the
// arithmetic of Gauss elimination, meets A(k, k) = 0 exactly (k = n: the
// last diagonal element that back-solving divides by); 0 when none does.
// With matrixTruth's `singular` false: a zero pivot on a regular matrix,
// which a method with exchanges solves. A second elimination, O(n³): the
// remarks read the run's own outcome instead.
int firstZeroPivot(const Workspace& loaded);

// The significant digits of a determinant from elimination that its
// rounding leaves right: the relative error is about n·ε·κ, κ the
// condition of the row-equilibrated matrix (1 / rcond); at most thirteen
// (the product of n pivots carries their rounding in the last of a
// double's fifteen), at least one.
int trustedDigits(const MatrixTruth& truth);

// A determinant as the method computed it.
struct DeterminantTruth {
    double value = 0;  // the double it rounds to
    // The product itself, m × 2^e: below the double range (diag(1E-200,
    // 1E-200)) value is 0 where this is not.
    double mantissa = 0;
    int exponent = 0;
    // Not 0, yet its text rounded to four decimals keeps at most one
    // significant digit of it (|d| < 0.001 and the rounding changed it).
    bool hidden = false;
};
// From the triangular block a determinant run left: the product of its
// diagonal, formed as the method forms it (scaled, so that a product that
// passes out of range on the way still comes out right).
DeterminantTruth determinantTruth(const Workspace& after);
DeterminantTruth determinantTruth(RunResult::Binary product);
DeterminantTruth determinantTruth(double value);

// The maximum changes of an iteration's sweeps, as it reports them: the
// first, and the last kSpan + 1 for the rate.
class SweepHistory {
public:
    static constexpr int kSpan = 10;
    void add(std::int64_t k, double e);
    std::int64_t sweeps() const { return sweeps_; }
    double first() const { return first_; }
    double last() const { return sweeps_ > 0 ? changes_[sweeps_ % (kSpan + 1)] : 0; }
    // The mean factor per sweep by which the change moved over the last
    // kSpan sweeps (fewer in a shorter run), and over how many; nullopt
    // with fewer than two sweeps or a zero change at the start of the span.
    struct Rate {
        double factor;
        std::int64_t span;
    };
    std::optional<Rate> rate() const;

private:
    double changes_[kSpan + 1] = {};
    double first_ = 0;
    std::int64_t sweeps_ = 0;
};

enum class IterationEnd {
    Converged,     // the last change is below the tolerance
    StartVector,   // no sweep ran, or ω = 0: the roots shown are the start vector
    NotConverged,  // stopped at the limit (or by the user) with the last change above the tolerance
    Diverges,      // the same, and the changes grow or ρ ≥ 1
};

struct IterationTruth {
    IterationEnd end = IterationEnd::Converged;
    std::int64_t sweeps = 0;
    double lastChange = 0;
    // ρ of the iteration matrix that ran; computed where the run did not
    // converge, or where the bound was asked for.
    std::optional<Radius> rho;
    // ρ/(1 − ρ)·(last change), where ρ < 1: about how far the last iterate
    // is from the solution (in the largest component).
    std::optional<double> errorBound;
    // b − A·x of the last iterate, against the loaded system.
    std::optional<Residual> residual;
};

// `w` is the relaxation factor of the SORs (ignored for the others),
// `tolerance` the iterations' fixed one, `x` the last iterate x(1..n).
// `bound`: also ρ and the error bound for a run that converged.
IterationTruth iterationTruth(const Workspace& loaded, Iteration kind, double w, const SweepHistory& history,
                              double tolerance, const double* x, bool bound);

}  // namespace lineer::analysis
