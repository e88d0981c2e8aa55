#include "measures.h"

#include <Eigen/Dense>
#include <Eigen/Eigenvalues>

#include <cmath>
#include <complex>
#include <functional>
#include <limits>

namespace lineer::analysis {

namespace {

using Real = long double;
using MatrixL = Eigen::Matrix<Real, Eigen::Dynamic, Eigen::Dynamic>;
using MatrixD = Eigen::MatrixXd;

constexpr double kUnitRoundoff = 1.0 / 9007199254740992.0;  // 2^-53

MatrixD block(const Matrix& A, int n) {
    MatrixD M(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) M(i, j) = A(i + 1, j + 1);
    return M;
}

bool allFinite(const MatrixD& M) { return M.allFinite(); }

std::optional<std::vector<std::complex<double>>> eigenvalues(const MatrixD& T) {
    if (!allFinite(T)) return std::nullopt;
    Eigen::EigenSolver<MatrixD> solver(T, false);
    if (solver.info() != Eigen::Success) return std::nullopt;
    std::vector<std::complex<double>> values(solver.eigenvalues().data(),
                                             solver.eigenvalues().data() + solver.eigenvalues().size());
    return values;
}

double largestModulus(const std::vector<std::complex<double>>& values) {
    double rho = 0;
    for (const auto& v : values) rho = std::max(rho, std::abs(v));
    return rho;
}

bool zeroDiagonal(const Matrix& A, int n) {
    for (int i = 1; i <= n; ++i)
        if (A(i, i) == 0) return true;
    return false;
}

// The iteration matrix of `it` at ω; empty when it does not exist.
std::optional<MatrixD> iterationMatrix(const Matrix& A, int n, Iteration it, double w) {
    if (zeroDiagonal(A, n)) return std::nullopt;
    const MatrixD M = block(A, n);
    const MatrixD lower = M.triangularView<Eigen::StrictlyLower>();
    const MatrixD upper = M.triangularView<Eigen::StrictlyUpper>();
    const MatrixD diag = M.diagonal().asDiagonal();
    MatrixD T;
    switch (it) {
        case Iteration::Jacobi:
            T = -(diag.diagonal().cwiseInverse().asDiagonal() * (lower + upper));
            break;
        case Iteration::GaussSeidel:
            T = -MatrixD((diag + lower).triangularView<Eigen::Lower>().solve(upper));
            break;
        case Iteration::Sor:
            T = w * MatrixD(-(diag + lower).triangularView<Eigen::Lower>().solve(upper)) +
                (1 - w) * MatrixD::Identity(n, n);
            break;
        case Iteration::SorTextbook:
            T = MatrixD(diag + w * lower).triangularView<Eigen::Lower>().solve(MatrixD((1 - w) * diag - w * upper));
            break;
    }
    return T;
}

// Golden-section search for the minimum of f on [a, b].
double goldenMinimum(const std::function<double(double)>& f, double a, double b, double tolerance) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = f(c), fd = f(d);
    while (b - a > tolerance) {
        if (fc <= fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2;
}

constexpr double kLowestW = 1e-3, kHighestW = 2 - 1e-3;

// a + b = s + e exactly (Knuth's TwoSum).
inline void twoSum(double a, double b, double& s, double& e) {
    s = a + b;
    const double z = s - a;
    e = (a - (s - z)) + (b - z);
}

// a · b = p + e exactly (Dekker's TwoProduct with Veltkamp's split), for
// products that neither overflow nor underflow.
inline void twoProduct(double a, double b, double& p, double& e) {
    auto split = [](double v, double& hi, double& lo) {
        const double c = 134217729.0 * v;  // 2^27 + 1
        hi = c - (c - v);
        lo = v - hi;
    };
    p = a * b;
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    e = al * bl - (((p - ah * bh) - al * bh) - ah * bl);
}

// b − Σ row(j)·x(j), j = 1..n, as if computed in twice the working
// precision and then rounded (Ogita, Rump and Oishi's Dot2): in plain
// doubles, so the same on every machine, whatever its long double.
double compensatedResidual(const double* row, int n, double b, const double* x) {
    double s = b, c = 0;
    for (int j = 1; j <= n; ++j) {
        double p, pe, t, te;
        twoProduct(-row[j], x[j], p, pe);
        twoSum(s, p, t, te);
        s = t;
        c = c + (pe + te);
    }
    return s + c;
}

}  // namespace

double normInf(const Matrix& A, int n) {
    Real largest = 0;
    for (int i = 1; i <= n; ++i) {
        Real s = 0;
        for (int j = 1; j <= n; ++j) s += std::fabs(static_cast<Real>(A(i, j)));
        largest = std::max(largest, s);
    }
    return static_cast<double>(largest);
}

std::optional<Residual> residual(const Matrix& A, int n, int rhs, const double* x) {
    double largest = 0, normX = 0, normB = 0;
    for (int i = 1; i <= n; ++i) {
        const double r = std::fabs(compensatedResidual(A.a[i], n, A(i, rhs), x));
        largest = std::max(largest, r);
        normX = std::max(normX, std::fabs(x[i]));
        normB = std::max(normB, std::fabs(A(i, rhs)));
    }
    const Real scale = static_cast<Real>(normInf(A, n)) * normX + normB;
    Residual out;
    out.largest = largest;
    out.relative = scale > 0 ? static_cast<double>(largest / scale) : 0;
    if (!std::isfinite(out.largest) || !std::isfinite(out.relative)) return std::nullopt;
    return out;
}

Condition condition(const Matrix& A, int n) {
    Condition c;
    MatrixL M(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) M(i, j) = A(i + 1, j + 1);
    if (!M.allFinite()) {
        c.singular = true;
        return c;
    }
    Eigen::PartialPivLU<MatrixL> lu(M);
    for (int k = 0; k < n; ++k)
        if (lu.matrixLU()(k, k) == 0) {
            c.singular = true;
            return c;
        }
    const MatrixL inverse = lu.inverse();
    Real normInverse = 0;
    for (int i = 0; i < n; ++i) normInverse = std::max(normInverse, inverse.row(i).cwiseAbs().sum());
    const Real kappa = static_cast<Real>(normInf(A, n)) * normInverse;
    if (!std::isfinite(static_cast<double>(kappa))) {
        c.singular = true;
        return c;
    }
    c.kappa = static_cast<double>(kappa);
    c.singular = c.kappa * kUnitRoundoff >= 1;
    return c;
}

double trustedDigits(double kappa) { return -std::log10(kappa * kUnitRoundoff); }

std::optional<double> inverseDefect(const Matrix& A, const Matrix& B, int n) {
    Real largest = 0;
    for (int i = 1; i <= n; ++i) {
        Real s = 0;
        for (int j = 1; j <= n; ++j) {
            Real e = i == j ? -1 : 0;
            for (int k = 1; k <= n; ++k) e += static_cast<Real>(A(i, k)) * B(k, j);
            s += std::fabs(e);
        }
        largest = std::max(largest, s);
    }
    const double d = static_cast<double>(largest);
    if (!std::isfinite(d)) return std::nullopt;
    return d;
}

int offTridiagonal(const Matrix& A, int n) {
    int count = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if ((j < i - 1 || j > i + 1) && A(i, j) != 0) ++count;
    return count;
}

Dominance dominance(const Matrix& A, int n) {
    Dominance d;
    for (int i = 1; i <= n; ++i) {
        Real others = 0;
        for (int j = 1; j <= n; ++j)
            if (j != i) others += std::fabs(static_cast<Real>(A(i, j)));
        const Real diagonal = std::fabs(static_cast<Real>(A(i, i)));
        if (!(diagonal > others)) d.notStrict.push_back(i);
        if (!(diagonal >= others)) d.notWeak.push_back(i);
    }
    return d;
}

std::optional<double> spectralRadius(const Matrix& A, int n, Iteration it, double w) {
    if (n < 1 || !std::isfinite(w)) return std::nullopt;
    const auto T = iterationMatrix(A, n, it, w);
    if (!T) return std::nullopt;
    const auto values = eigenvalues(*T);
    if (!values) return std::nullopt;
    return largestModulus(*values);
}

std::optional<Optimum> optimalW(const Matrix& A, int n, Iteration sor) {
    if (n < 1) return std::nullopt;
    Optimum best;
    if (sor == Iteration::Sor) {
        // The eigenvalues of ω·T_GS + (1 − ω)·I are ω·λ + 1 − ω.
        const auto T = iterationMatrix(A, n, Iteration::GaussSeidel, 1);
        if (!T) return std::nullopt;
        const auto values = eigenvalues(*T);
        if (!values) return std::nullopt;
        auto rho = [&](double w) {
            double r = 0;
            for (const auto& l : *values) r = std::max(r, std::abs(w * l + (1 - w)));
            return r;
        };
        best.w = goldenMinimum(rho, kLowestW, kHighestW, 1e-6);
        best.rho = rho(best.w);
        return best;
    }
    const auto rhoJ = spectralRadius(A, n, Iteration::Jacobi);
    if (!rhoJ) return std::nullopt;
    if (offTridiagonal(A, n) == 0 && *rhoJ < 1) {
        best.w = 2 / (1 + std::sqrt(1 - *rhoJ * *rhoJ));
        best.classical = true;
        // At this ω the eigenvalues meet (a defective matrix, whose computed
        // eigenvalues are unreliable); the theory gives ρ = ω − 1 there.
        best.rho = best.w - 1;
        return best;
    }
    bool failed = false;
    auto rho = [&](double w) {
        const auto r = spectralRadius(A, n, Iteration::SorTextbook, w);
        if (!r) failed = true;
        return r ? *r : std::numeric_limits<double>::max();
    };
    // ρ(ω) of the textbook SOR need not be unimodal: the best of a coarse
    // grid, then golden sections around it. Every value costs an eigenvalue
    // problem, so the search stops at a width of 10^-3.
    double bestGrid = 1, bestRho = rho(1);
    for (int k = 1; k <= 7; ++k) {
        const double w = 0.25 * k;
        const double r = rho(w);
        if (r < bestRho) {
            bestRho = r;
            bestGrid = w;
        }
    }
    if (failed) return std::nullopt;
    best.w = goldenMinimum(rho, std::max(kLowestW, bestGrid - 0.25), std::min(kHighestW, bestGrid + 0.25), 1e-3);
    best.rho = rho(best.w);
    if (bestRho < best.rho) {
        best.w = bestGrid;
        best.rho = bestRho;
    }
    if (failed) return std::nullopt;
    return best;
}

}  // namespace lineer::analysis
