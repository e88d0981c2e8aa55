#include "measures.h"

#include "numformat.h"
#include "numparse.h"
#include "platform_tochars.h"

#include <Eigen/Dense>
#include <Eigen/Eigenvalues>

#include <cmath>
#include <complex>
#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>

namespace lineer::analysis {

namespace {

using Real = long double;
using MatrixL = Eigen::Matrix<Real, Eigen::Dynamic, Eigen::Dynamic>;
using MatrixD = Eigen::MatrixXd;

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
    Real componentwise = 0;
    for (int i = 1; i <= n; ++i) {
        const double r = std::fabs(compensatedResidual(A.a[i], n, A(i, rhs), x));
        largest = std::max(largest, r);
        normX = std::max(normX, std::fabs(x[i]));
        normB = std::max(normB, std::fabs(A(i, rhs)));
        Real size = std::fabs(static_cast<Real>(A(i, rhs)));
        for (int j = 1; j <= n; ++j) size += std::fabs(static_cast<Real>(A(i, j)) * x[j]);
        // A row of zeros with a zero right-hand side leaves r(i) = 0 exactly.
        if (r != 0) componentwise = std::max(componentwise, size > 0 ? r / size : Real(1));
    }
    const Real scale = static_cast<Real>(normInf(A, n)) * normX + normB;
    Residual out;
    out.largest = largest;
    out.relative = scale > 0 ? static_cast<double>(largest / scale) : 0;
    out.componentwise = static_cast<double>(componentwise);
    if (!std::isfinite(out.largest) || !std::isfinite(out.relative) || !std::isfinite(out.componentwise))
        return std::nullopt;
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
    const Real skeel = (inverse.cwiseAbs() * M.cwiseAbs()).rowwise().sum().maxCoeff();
    if (std::isfinite(static_cast<double>(kappa))) c.kappa = static_cast<double>(kappa);
    if (std::isfinite(static_cast<double>(skeel))) c.skeel = static_cast<double>(skeel);
    c.singular = !(c.skeel > 0) || c.skeel * kUnitRoundoff >= 1;
    return c;
}

double trustedDigits(double bound) { return -std::log10(bound); }

double forwardErrorBound(double skeel, double backward) { return skeel * std::max(backward, kUnitRoundoff); }

// Partial pivoting leaves a backward error of a few n·ε and rarely more;
// a thousand times that is the mark of an elimination that went wrong.
bool unstable(double backward, int n) { return backward > 1000.0 * std::max(n, 1) * kUnitRoundoff; }

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

namespace {

// The block with each row scaled by a power of two (exactly) to a largest
// element in [1, 2); rows of zeros stay.
MatrixD equilibrated(const Matrix& A, int n, int cols) {
    MatrixD M(n, cols);
    for (int i = 0; i < n; ++i) {
        double largest = 0;
        for (int j = 0; j < cols; ++j) largest = std::max(largest, std::fabs(A(i + 1, j + 1)));
        int e = 0;
        if (largest > 0 && std::isfinite(largest)) std::frexp(largest, &e);
        for (int j = 0; j < cols; ++j) M(i, j) = std::ldexp(A(i + 1, j + 1), 1 - e);
    }
    return M;
}

// The k ≤ n with T^k = 0, by powers in long double: T from the loaded
// doubles in long double too (exact where the diagonal divides exactly, as
// with small integers), and only an exactly zero power counts, since in
// floating point a power of a matrix whose eigenvalues are small but not 0
// looks like 0 long before k = n.
int nilpotentIndex(const Matrix& A, int n, Iteration it, double w) {
    MatrixL M(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) M(i, j) = A(i + 1, j + 1);
    const MatrixL lower = M.triangularView<Eigen::StrictlyLower>();
    const MatrixL upper = M.triangularView<Eigen::StrictlyUpper>();
    const MatrixL diag = M.diagonal().asDiagonal();
    const Real wl = w;
    MatrixL T;
    switch (it) {
        case Iteration::Jacobi:
            T = -(diag.diagonal().cwiseInverse().asDiagonal() * (lower + upper));
            break;
        case Iteration::GaussSeidel:
            T = -MatrixL((diag + lower).triangularView<Eigen::Lower>().solve(upper));
            break;
        case Iteration::Sor:
            T = wl * MatrixL(-(diag + lower).triangularView<Eigen::Lower>().solve(upper)) +
                (1 - wl) * MatrixL::Identity(n, n);
            break;
        case Iteration::SorTextbook:
            T = MatrixL(diag + wl * lower).triangularView<Eigen::Lower>().solve(MatrixL((1 - wl) * diag - wl * upper));
            break;
    }
    if (!T.allFinite()) return 0;
    MatrixL P = T;
    for (int k = 1; k <= n; ++k) {
        if (!P.allFinite()) return 0;
        if ((P.array() == 0).all()) return k;
        // Every power of a nilpotent matrix has trace 0: most matrices end
        // here after a product or two.
        if (P.trace() != 0) return 0;
        if (k < n) P = P * T;
    }
    return 0;
}

}  // namespace

double rcondEstimate(const Matrix& A, int n) {
    if (n < 1) return 0;
    const MatrixD M = equilibrated(A, n, n);
    if (!M.allFinite()) return 0;
    Eigen::PartialPivLU<MatrixD> lu(M);
    for (int k = 0; k < n; ++k)
        if (lu.matrixLU()(k, k) == 0) return 0;
    const double r = lu.rcond();
    return std::isfinite(r) ? r : 0;
}

int numericalRank(const Matrix& A, int n, int cols) {
    if (n < 1 || cols < 1) return 0;
    const MatrixD M = equilibrated(A, n, cols);
    if (!M.allFinite()) return 0;
    Eigen::BDCSVD<MatrixD> svd(M);
    const auto& sigma = svd.singularValues();
    if (sigma.size() == 0 || !(sigma(0) > 0)) return 0;
    const double tolerance = std::max(n, cols) * std::numeric_limits<double>::epsilon() * sigma(0);
    int rank = 0;
    for (Eigen::Index k = 0; k < sigma.size(); ++k)
        if (sigma(k) > tolerance) ++rank;
    return rank;
}

std::optional<Radius> radius(const Matrix& A, int n, Iteration it, double w) {
    if (n < 1 || !std::isfinite(w)) return std::nullopt;
    Radius r;
    r.nilpotent = nilpotentIndex(A, n, it, w);
    if (r.nilpotent > 0) return r;
    const auto value = spectralRadius(A, n, it, w);
    if (!value) return std::nullopt;
    r.value = *value;
    // I − T = M⁻¹A for the splitting's M (times ω for this program's SOR).
    const bool relaxes = it == Iteration::Sor || it == Iteration::SorTextbook;
    if ((!relaxes || w != 0) && rcondEstimate(A, n) < kMaySingular && numericalRank(A, n, n) < n) {
        r.singularMatrix = true;
        r.value = std::max(r.value, 1.0);
    }
    return r;
}

namespace {

// ρ(ω) of the textbook SOR on a consistently ordered matrix from Jacobi's
// eigenvalues μ: the square roots t of its eigenvalues solve
// t² − ωμ·t + (ω − 1) = 0.
long double youngRadius(const std::vector<std::complex<double>>& mus, long double w) {
    using C = std::complex<long double>;
    long double rho = std::fabs(w - 1);
    for (const auto& m : mus) {
        const C mu(m.real(), m.imag());
        const C root = std::sqrt(w * w * mu * mu - 4 * (w - 1));
        const C t1 = (w * mu + root) / 2.0L, t2 = (w * mu - root) / 2.0L;
        rho = std::max({rho, std::norm(t1), std::norm(t2)});
    }
    return rho;
}

// v rounded to `digits` significant digits: down, to nearest or up.
double roundTo(double v, int digits, int direction) {
    const double scale = std::pow(10.0, digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(v)))));
    const double s = v * scale;
    const double r = direction < 0 ? std::floor(s) : direction > 0 ? std::ceil(s) : std::nearbyint(s);
    char buf[64];
    const auto res = toChars(buf, buf + sizeof buf, r / scale, std::chars_format::general, digits);
    return decimalToDouble(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

// The fewest significant digits (three at least) for ω such that the ω
// shown converges at 99% of the best rate at least (log ρ within 1% of the
// least); the side of the minimum the rounding goes to matters where ρ(ω)
// has a cusp, as at Young's ω. The ρ shown is the one at the ω shown.
void showableW(Optimum& best, double w, double rhoBest, const std::function<double(double)>& rho) {
    auto nearBest = [&](double r) {
        if (rhoBest >= 1) return r <= rhoBest;
        if (rhoBest <= 0) return r <= 0;
        return r < 1 && std::log(r) <= 0.99 * std::log(rhoBest);
    };
    for (int digits = 3; digits <= 15; ++digits) {
        double bestW = w, bestR = std::numeric_limits<double>::infinity();
        for (int direction : {0, -1, 1}) {
            const double c = roundTo(w, digits, direction);
            if (!(c > 0 && c < 2)) continue;
            const double r = rho(c);
            if (r < bestR) {
                bestR = r;
                bestW = c;
            }
        }
        if (nearBest(bestR) || digits == 15) {
            best.w = bestW;
            best.digits = digits;
            best.rho = bestR;
            return;
        }
    }
}

// The least value of rho on (0, 2): a grid of `points`, then golden sections
// around the `keep` least grid values that are local minima. Sets atEdge
// when the least value is at an end of the grid.
double searchW(const std::function<double(double)>& rho, int points, int keep, double tolerance, bool& atEdge) {
    const double h = 2.0 / (points + 1);
    std::vector<double> values(static_cast<std::size_t>(points));
    for (int k = 0; k < points; ++k) values[static_cast<std::size_t>(k)] = rho(h * (k + 1));
    std::vector<int> minima;
    for (int k = 0; k < points; ++k) {
        const double v = values[static_cast<std::size_t>(k)];
        const bool left = k == 0 || v <= values[static_cast<std::size_t>(k - 1)];
        const bool right = k == points - 1 || v <= values[static_cast<std::size_t>(k + 1)];
        if (left && right) minima.push_back(k);
    }
    std::sort(minima.begin(), minima.end(), [&](int a, int b) {
        return values[static_cast<std::size_t>(a)] < values[static_cast<std::size_t>(b)];
    });
    if (minima.size() > static_cast<std::size_t>(keep)) minima.resize(static_cast<std::size_t>(keep));
    double bestW = h, bestRho = std::numeric_limits<double>::infinity();
    for (int k : minima) {
        const double a = k == 0 ? h * 1e-3 : h * k, b = k == points - 1 ? 2 - h * 1e-3 : h * (k + 2);
        double w = goldenMinimum(rho, a, b, tolerance);
        double r = rho(w);
        if (values[static_cast<std::size_t>(k)] < r) {
            w = h * (k + 1);
            r = values[static_cast<std::size_t>(k)];
        }
        if (r < bestRho) {
            bestRho = r;
            bestW = w;
        }
    }
    atEdge = bestW <= h || bestW >= 2 - h;
    return bestW;
}

// This program's SOR: the eigenvalues of ω·T_GS + (1 − ω)·I are
// ω·λ + 1 − ω.
std::optional<Optimum> optimalProgramW(const Matrix& A, int n) {
    Optimum best;
    const auto T = iterationMatrix(A, n, Iteration::GaussSeidel, 1);
    if (!T) return std::nullopt;
    const auto values = eigenvalues(*T);
    if (!values) return std::nullopt;
    auto rho = [&](double w) {
        double r = 0;
        for (const auto& l : *values) r = std::max(r, std::abs(w * l + (1 - w)));
        return r;
    };
    const double w = goldenMinimum(rho, kLowestW, kHighestW, 1e-9);
    best.atEdge = w <= 2 * kLowestW || w >= kHighestW - kLowestW;
    showableW(best, w, rho(w), rho);
    return best;
}

// The textbook SOR on a tridiagonal matrix, from Jacobi's eigenvalues mus
// (whose largest modulus best holds): by a formula where one applies,
// otherwise by a search of ρ(ω) from the same eigenvalues.
void optimalTridiagonalW(Optimum& best, const std::vector<std::complex<double>>& mus) {
    auto rho = [&](double w) { return static_cast<double>(youngRadius(mus, w)); };
    // A ρ_J within the eigenvalues' rounding of 1 is 1 (rows 1 2 / 2 4 have
    // μ = ±1, computed as 1 − 1E-16): the formula's ω would then sit at the
    // edge of (0, 2) and claim a ρ below 1 that no ω gives.
    const double roundingOfOne = 64 * static_cast<double>(mus.size()) * std::numeric_limits<double>::epsilon();
    if (std::fabs(1 - best.rhoJ) <= roundingOfOne) best.rhoJ = 1;
    // The eigenvalues of a 2-cyclic matrix come in pairs ±μ, so a real or an
    // imaginary set shows only rounding in the other part.
    const double noise = 1e-9 * std::max(best.rhoJ, 1e-300);
    bool real = true, imaginary = true;
    for (const auto& m : mus) {
        real = real && std::fabs(m.imag()) <= noise;
        imaginary = imaginary && std::fabs(m.real()) <= noise;
    }
    if (real && best.rhoJ < 1) {
        best.how = Optimum::How::Young;
        const double w = 2 / (1 + std::sqrt(1 - best.rhoJ * best.rhoJ));
        showableW(best, w, w - 1, rho);
    } else if (imaginary && !real) {
        best.how = Optimum::How::Imaginary;
        const double w = 2 / (1 + std::sqrt(1 + best.rhoJ * best.rhoJ));
        showableW(best, w, 1 - w, rho);
    } else {
        best.why = real ? Optimum::NoFormula::RhoJAtLeastOne : Optimum::NoFormula::ComplexEigenvalues;
        const double w = searchW(rho, 4000, 3, 1e-12, best.atEdge);
        showableW(best, w, rho(w), rho);
    }
    best.classical = best.how != Optimum::How::Searched;
}

// The textbook SOR on any other matrix: a search in which every value
// costs an eigenvalue problem. False when one of them failed.
bool searchedTextbookW(Optimum& best, const Matrix& A, int n) {
    best.why = Optimum::NoFormula::NotTridiagonal;
    bool failed = false;
    auto rho = [&](double w) {
        const auto r = spectralRadius(A, n, Iteration::SorTextbook, w);
        if (!r) failed = true;
        return r ? *r : std::numeric_limits<double>::max();
    };
    // A grid as fine as the size allows (400 points up to 10 × 10, 40 at
    // 100 × 100), then golden sections around its least values.
    const int points = std::clamp(static_cast<int>(400000.0 / (static_cast<double>(n) * n * n)), 40, 400);
    const double w = searchW(rho, points, n <= 20 ? 3 : 1, 1e-7, best.atEdge);
    if (failed) return false;
    showableW(best, w, rho(w), rho);
    return !failed;
}

}  // namespace

std::optional<Optimum> optimalW(const Matrix& A, int n, Iteration sor) {
    if (n < 1) return std::nullopt;
    if (sor == Iteration::Sor) return optimalProgramW(A, n);
    Optimum best;
    const auto jacobi = iterationMatrix(A, n, Iteration::Jacobi, 1);
    if (!jacobi) return std::nullopt;
    const auto mus = eigenvalues(*jacobi);
    if (!mus) return std::nullopt;
    best.rhoJ = largestModulus(*mus);
    if (offTridiagonal(A, n) == 0)
        optimalTridiagonalW(best, *mus);
    else if (!searchedTextbookW(best, A, n))
        return std::nullopt;
    return best;
}

}  // namespace lineer::analysis
