#pragma once
// The figures of the analysis: norms, residuals, the condition number, row
// dominance, and the spectral radii of the iteration matrices. They are
// computed apart from the methods, on the matrix as it was loaded: the
// residuals with compensated sums, the inverse in long double, the
// eigenvalues by Eigen. The
// methods' own arithmetic never passes through here.
//
// A is the square block A(1..n, 1..n) of a workspace matrix, written
// A = L + D + U (strictly lower part, diagonal, strictly upper part).

#include <optional>
#include <vector>

#include "workspace.h"

namespace lineer::analysis {

// max over i of Σ_j |A(i, j)|, j = 1..n.
double normInf(const Matrix& A, int n);

struct Residual {
    double largest = 0;   // max |r(i)|, r = b − A·x
    double relative = 0;  // ‖r‖∞ / (‖A‖∞‖x‖∞ + ‖b‖∞); 0 when the divisor is
    // The componentwise backward error max |r(i)| / (|A|·|x| + |b|)(i):
    // the smallest relative change of each coefficient that makes x exact.
    // Unchanged when a row is scaled.
    double componentwise = 0;
};
// The residual of x(1..n) against the right-hand side in column `rhs`,
// with compensated products and sums (as if in twice the precision of a
// double, on every machine). Values that are not finite give nullopt.
std::optional<Residual> residual(const Matrix& A, int n, int rhs, const double* x);

struct Condition {
    bool singular = false;  // a zero pivot, or Skeel's number beyond 1 / unit roundoff
    double kappa = 0;       // κ∞(A) = ‖A‖∞ ‖A⁻¹‖∞; 0 when not finite
    // Skeel's cond(A) = ‖ |A⁻¹|·|A| ‖∞, which scaling the rows leaves as it
    // is (κ∞ of a matrix whose rows are in units of 1E+300 and 1 is huge
    // although its system is solved exactly); 0 when not finite.
    double skeel = 0;
};
// A⁻¹ by LU with partial pivoting in long double.
Condition condition(const Matrix& A, int n);

inline constexpr double kUnitRoundoff = 1.0 / 9007199254740992.0;  // 2^-53

// About how many significant decimal digits a result keeps when its
// relative forward error is at most `bound`: −log10(bound).
double trustedDigits(double bound);
// The bound on the relative error of a system's computed solution: Skeel's
// condition number times the componentwise backward error (never below
// the unit roundoff, the most a double can hold).
double forwardErrorBound(double skeel, double backward);
// Whether a backward error says the method was unstable on this system: far
// above what a stable elimination leaves (a small multiple of n·ε).
bool unstable(double backward, int n);

// ‖A·B − I‖∞, in long double; nullopt when not finite.
std::optional<double> inverseDefect(const Matrix& A, const Matrix& B, int n);

// The coefficients off the three diagonals that are not 0.
int offTridiagonal(const Matrix& A, int n);

// Rows (1-based) where |A(i, i)| > Σ_{j≠i} |A(i, j)| fails, and those where
// even |A(i, i)| ≥ Σ fails.
struct Dominance {
    std::vector<int> notStrict;
    std::vector<int> notWeak;
};
Dominance dominance(const Matrix& A, int n);

// The iteration matrices. ω only matters for the two SORs.
enum class Iteration {
    Jacobi,       // −D⁻¹(L + U)
    GaussSeidel,  // −(D + L)⁻¹U
    Sor,          // this program's: ω·T_GS + (1 − ω)·I, relaxed after the sweep
    SorTextbook,  // (D + ωL)⁻¹((1 − ω)D − ωU), each component relaxed at once
};

// The spectral radius from the eigenvalues alone; nullopt when a diagonal
// element is 0, a value is not finite, or the eigenvalues were not found.
std::optional<double> spectralRadius(const Matrix& A, int n, Iteration it, double w = 1);

// The spectral radius as the analysis states it.
struct Radius {
    double value = 0;
    // k ≤ n with T^k = 0, 0 when none: then value is 0 and the iteration
    // ends in k sweeps (the computed eigenvalues of such a defective matrix
    // scatter by about ε^(1/k) and would say otherwise).
    int nilpotent = 0;
    // The coefficient matrix is singular, so I − T is and 1 is an
    // eigenvalue: value is at least 1, whatever the rounding made of it.
    bool singularMatrix = false;
};
std::optional<Radius> radius(const Matrix& A, int n, Iteration it, double w = 1);

// The numerical rank of rows 1..n, columns 1..cols, each row first scaled
// by a power of two to a largest element in [1, 2) (so that the units of
// an equation do not count), from the singular values with the tolerance
// max(n, cols)·ε·σ₁. Rows that are all 0 count for nothing.
int numericalRank(const Matrix& A, int n, int cols);

// The reciprocal condition estimate (1-norm) of the row-equilibrated block
// after LU with partial pivoting: 0 for a zero pivot or a value that is not
// finite.
double rcondEstimate(const Matrix& A, int n);

// Below this estimate the singular values decide whether a matrix is
// singular: far above what a matrix of numerical rank below n can have
// (rcond ≤ n²·ε there), far below a matrix that is merely ill conditioned
// in its rows' units.
inline constexpr double kMaySingular = 1e-8;

struct Optimum {
    // How ω was found: Young's formula 2 / (1 + √(1 − ρ_J²)) (consistently
    // ordered, Jacobi eigenvalues real, ρ_J < 1), its twin 2 / (1 + √(1 +
    // ρ_J²)) for purely imaginary Jacobi eigenvalues, or a search.
    enum class How { Young, Imaginary, Searched };
    How how = How::Searched;
    // Why the formulas did not apply, for a searched ω.
    enum class NoFormula { NotTextbook, NotTridiagonal, ComplexEigenvalues, RhoJAtLeastOne };
    NoFormula why = NoFormula::NotTextbook;
    // The ω to show, rounded to `digits` significant digits so that ρ at
    // this very ω is `rho`; on a cusp that takes more than three.
    double w = 1;
    int digits = 3;
    double rho = 1;
    double rhoJ = 0;  // for the formulas
    bool classical = false;  // how != Searched
    // The least ρ lies at an end of (0, 2): ρ ≥ |ω − 1| there, so no ω
    // gives a useful rate.
    bool atEdge = false;
    bool converges() const { return rho < 1 && !atEdge; }
};
// The ω in (0, 2) that minimises ρ of the SOR's iteration matrix. For this
// program's SOR the eigenvalues of T_GS give ρ(ω) for every ω at once and
// ρ(ω) is convex, so a golden-section search finds the minimum. T_GS is
// often defective at 0 (its first column is 0, and on a tridiagonal matrix
// half its eigenvalues are 0 in one Jordan block), and such eigenvalues
// come out of any solver spread on a small circle, so this ω has about 3
// good digits; ρ at the ω found is as exact as the other radii.
// For the textbook SOR on a tridiagonal matrix (consistently ordered) every
// eigenvalue λ of the SOR matrix comes from one μ of Jacobi's by
// (λ + ω − 1)² = λω²μ², which gives ρ(ω) exactly without the defective
// eigenvalue problem at the optimum; the formulas apply where their
// hypotheses hold, and elsewhere ρ(ω) is searched on a fine grid and
// refined around its least values (it has cusps, and can have more than
// one minimum). On other matrices the same search runs on the eigenvalues
// of the SOR matrix, on a grid as fine as the size allows.
std::optional<Optimum> optimalW(const Matrix& A, int n, Iteration sor);

}  // namespace lineer::analysis
