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
};
// The residual of x(1..n) against the right-hand side in column `rhs`,
// with compensated products and sums (as if in twice the precision of a
// double, on every machine). Values that are not finite give nullopt.
std::optional<Residual> residual(const Matrix& A, int n, int rhs, const double* x);

struct Condition {
    bool singular = false;  // a zero pivot, or κ∞ beyond 1 / unit roundoff
    double kappa = 0;       // κ∞(A) = ‖A‖∞ ‖A⁻¹‖∞; 0 when not finite
};
// A⁻¹ by LU with partial pivoting in long double.
Condition condition(const Matrix& A, int n);

// About how many significant decimal digits a result keeps when the
// matrix's condition number is kappa: −log10(κ · 2^−53).
double trustedDigits(double kappa);

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

// The spectral radius; nullopt when a diagonal element is 0, a value is not
// finite, or the eigenvalues were not found.
std::optional<double> spectralRadius(const Matrix& A, int n, Iteration it, double w = 1);

struct Optimum {
    double w = 1;
    double rho = 1;
    bool classical = false;  // from 2 / (1 + √(1 − ρ_J²)), else searched
};
// The ω in (0, 2) that minimises ρ of the SOR's iteration matrix. For this
// program's SOR the eigenvalues of T_GS give ρ(ω) for every ω at once and
// ρ(ω) is convex, so a golden-section search finds the minimum. T_GS is
// often defective at 0 (its first column is 0, and on a tridiagonal matrix
// half its eigenvalues are 0 in one Jordan block), and such eigenvalues
// come out of any solver spread on a small circle, so this ω has about 3
// good digits; ρ at the ω found is as exact as the other radii. For the
// textbook SOR the classical formula holds where A is tridiagonal with
// ρ_J < 1; elsewhere a grid search is refined by golden sections to a
// width of 10^-3 (ω then has 3 good digits, not 4).
std::optional<Optimum> optimalW(const Matrix& A, int n, Iteration sor);

}  // namespace lineer::analysis
