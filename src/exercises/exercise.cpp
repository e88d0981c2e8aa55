#include "exercise.h"

#include <cmath>
#include <cstdlib>
#include <memory>

#include "measures.h"
#include "numformat.h"
#include "texts.h"
#include "workspace.h"
#include "writer.h"

namespace lineer::exercises {

namespace {

// splitmix64 (Steele, Lea and Flood): 64 bits per step, the same sequence
// everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from lo to hi; the bias of the remainder is below
    // 2^-58 for these ranges.
    long long in(long long lo, long long hi) {
        return lo + static_cast<long long>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

private:
    std::uint64_t state_;
};

using Rows = std::vector<std::vector<long long>>;

Rows square(int n) { return Rows(static_cast<std::size_t>(n), std::vector<long long>(static_cast<std::size_t>(n), 0)); }

// L·R for n × n whole-number matrices.
Rows product(const Rows& L, const Rows& R) {
    const std::size_t n = L.size();
    Rows P = square(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t t = 0; t < n; ++t) P[i][j] += L[i][t] * R[t][j];
    return P;
}

// Unit lower L with entries −1..1 and upper U with pivots ±1, ±2 and
// entries −2..2: Gauss elimination without exchanges finds exactly these
// factors, its multipliers whole and its quotients halves at worst.
Rows integerMatrix(int n, Random& r) {
    Rows L = square(n), U = square(n);
    const long long pivots[] = {1, -1, 2, -2};
    for (int i = 0; i < n; ++i) {
        L[i][i] = 1;
        for (int j = 0; j < i; ++j) L[i][j] = r.in(-1, 1);
        U[i][i] = pivots[r.in(0, 3)];
        for (int j = i + 1; j < n; ++j) U[i][j] = r.in(-2, 2);
    }
    return product(L, U);
}

// Off the diagonal −4..4 (tridiagonal: ±1..±3 on the two bands), on it
// more than the rest of its row.
Rows dominantMatrix(int n, Random& r, bool tridiagonal) {
    Rows A = square(n);
    for (int i = 0; i < n; ++i) {
        long long off = 0;
        for (int j = 0; j < n; ++j) {
            if (j == i || (tridiagonal && std::abs(i - j) > 1)) continue;
            long long v = tridiagonal ? r.in(1, 3) * (r.in(0, 1) ? 1 : -1) : r.in(-4, 4);
            A[i][j] = v;
            off += std::llabs(v);
        }
        A[i][i] = off + r.in(1, 4);
    }
    return A;
}

// L·Lᵀ for a lower L with 1..3 on its diagonal and −2..2 below it.
Rows spdMatrix(int n, Random& r) {
    Rows L = square(n), T = square(n);
    for (int i = 0; i < n; ++i) {
        L[i][i] = r.in(1, 3);
        for (int j = 0; j < i; ++j) L[i][j] = r.in(-2, 2);
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) T[i][j] = L[j][i];
    return product(L, T);
}

// Σ row(j)·x(j) as if in twice the working precision, then rounded once
// (Dot2, with Dekker's TwoProduct and Knuth's TwoSum): in plain doubles,
// the same on every machine.
double dot(const std::vector<double>& row, const std::vector<long long>& x) {
    double s = 0, c = 0;
    for (std::size_t j = 0; j < x.size(); ++j) {
        const double a = row[j], b = static_cast<double>(x[j]);
        const double p = a * b;
        const auto split = [](double v, double& hi, double& lo) {
            const double t = 134217729.0 * v;
            hi = t - (t - v);
            lo = v - hi;
        };
        double ah, al, bh, bl;
        split(a, ah, al);
        split(b, bh, bl);
        const double pe = al * bl - (((p - ah * bh) - al * bh) - ah * bl);
        const double t = s + p;
        const double z = t - s;
        const double te = (s - (t - z)) + (p - z);
        s = t;
        c = c + (pe + te);
    }
    return s + c;
}

}  // namespace

std::optional<Kind> kindNamed(std::string_view word) {
    for (Kind k : {Kind::Integer, Kind::Dominant, Kind::Spd, Kind::Tridiagonal, Kind::Hilbert})
        if (word == kindName(k)) return k;
    return std::nullopt;
}

std::string_view kindName(Kind kind) {
    switch (kind) {
        case Kind::Integer: return "integer";
        case Kind::Dominant: return "dominant";
        case Kind::Spd: return "spd";
        case Kind::Tridiagonal: return "tridiagonal";
        case Kind::Hilbert: return "hilbert";
    }
    return {};
}

Exercise generate(Kind kind, int n, std::uint64_t seed) {
    Exercise e{kind, n, seed, {}, {}};
    Random r(seed);
    for (int i = 0; i < n; ++i) e.roots.push_back(r.in(-5, 5));
    std::vector<std::vector<double>> rows(static_cast<std::size_t>(n));
    if (kind == Kind::Hilbert) {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) rows[i].push_back(1.0 / (i + j + 1));
    } else {
        const Rows A = kind == Kind::Integer ? integerMatrix(n, r)
                       : kind == Kind::Spd   ? spdMatrix(n, r)
                                             : dominantMatrix(n, r, kind == Kind::Tridiagonal);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) rows[i].push_back(static_cast<double>(A[i][j]));
    }
    // The right-hand sides of whole numbers are exact (they stay far below
    // 2^53); Hilbert's are rounded once.
    for (auto& row : rows) {
        row.push_back(dot(row, e.roots));
        e.a.insert(e.a.end(), row.begin(), row.end());
    }
    return e;
}

std::string coefficientText(const Exercise& e) {
    std::string s = intText(e.n) + " " + intText(e.n + 1) + "\n";
    for (int i = 1; i <= e.n; ++i) {
        for (int j = 1; j <= e.n + 1; ++j) {
            const double v = e.at(i, j);
            if (j > 1) s += ' ';
            s += v == std::floor(v) && std::fabs(v) < 1e15 ? intText(static_cast<long long>(v)) : shortestText(v);
        }
        s += '\n';
    }
    return s;
}

std::string answersText(const Exercise& e, std::string_view decimal) {
    std::string s = format(Text::AnswersHeading, kindName(e.kind), intText(e.n), std::to_string(e.seed)) + "\n";
    s += " \n" + std::string(text(Text::RootsHeading)) + "\n \n";
    for (int i = 1; i <= e.n; ++i)
        s += " x(" + intText(i) + ") = " + intText(e.roots[static_cast<std::size_t>(i - 1)]) + "\n";
    if (e.kind == Kind::Hilbert) s += " \n" + std::string(text(Text::AnswersHilbertNote)) + "\n";

    auto ws = std::make_unique<Workspace>();
    bool zeroDiagonal = false;
    for (int i = 1; i <= e.n; ++i) {
        for (int j = 1; j <= e.n; ++j) ws->A(i, j) = e.at(i, j);
        zeroDiagonal = zeroDiagonal || ws->A(i, i) == 0;
    }
    s += " \n";
    if (zeroDiagonal) return s + std::string(text(Text::IterationMatrixUndefined)) + "\n";
    for (const auto& [name, it] : {std::pair{"Jacobi", analysis::Iteration::Jacobi},
                                   std::pair{"Gauss-Seidel", analysis::Iteration::GaussSeidel}}) {
        const auto rho = analysis::spectralRadius(ws->A, e.n, it);
        s += (rho ? format(Text::AnswersRhoLine, name, formatSignificant(*rho, 4, decimal))
                  : format(Text::AnswersRhoUnknown, name)) +
             "\n";
    }
    return s;
}

}  // namespace lineer::exercises
