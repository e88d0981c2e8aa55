#pragma once
// Well-conditioned systems with whole-number roots, written in other units:
// the whole system, or each row by its own power of ten, multiplied through
// by 10^k. The roots do not change, so every method must show the same
// roots as for the system itself, or end with a message; other roots shown
// as if they were right are a wrong answer. Shared by the property test and
// the full attack in bench/ (scaleattack.cpp).

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "numparse.h"
#include "reference.h"
#include "session.h"

namespace lineer::scaled {

// The references (reference(), refusalForced()) are computed in long
// double, whose exponent must reach far beyond a double's; where long double
// is a double (MSVC) they cannot be.
inline constexpr bool kWideLongDouble = LDBL_MAX_EXP > 4 * DBL_MAX_EXP;

struct BaseSystem {
    const char* name;
    std::vector<std::vector<int>> a;  // n x n coefficients
    std::vector<int> roots;           // whole and non-zero
    bool tridiagonal;
};

inline const std::vector<BaseSystem>& baseSystems() {
    static const std::vector<BaseSystem> systems = {
        {"2x2", {{1, 1}, {1, 2}}, {1, 1}, true},
        {"tri3", {{4, 1, 0}, {1, 4, 1}, {0, 1, 4}}, {1, 2, 3}, true},
        {"tri5",
         {{6, 1, 0, 0, 0}, {2, 5, -2, 0, 0}, {0, -1, -7, 3, 0}, {0, 0, 3, 8, -1}, {0, 0, 0, 1, 4}},
         {2, -1, 3, 1, -2},
         true},
        {"full4", {{10, -1, 2, 0}, {-1, 11, -1, 3}, {2, -1, 10, -1}, {0, 3, -1, 8}}, {1, 2, -1, 1}, false},
    };
    return systems;
}

// The powers of ten of the rows: the same k for every row, or one per row.
struct Scaling {
    std::string name;
    std::vector<int> k;  // one per row
};

inline Scaling wholeSystem(int k, int n) { return {"whole " + std::to_string(k), std::vector<int>(n, k)}; }

inline Scaling perRow(std::vector<int> k) {
    std::string name = "rows";
    for (int e : k) name += " " + std::to_string(e);
    return {name, std::move(k)};
}

// Row i alternately by 10^k and 10^-k.
inline Scaling alternating(int k, int n) {
    std::vector<int> e(n);
    for (int i = 0; i < n; ++i) e[i] = i % 2 == 0 ? k : -k;
    return perRow(e);
}

inline Scaling randomRows(std::mt19937_64& rng, int n, int limit = 300) {
    std::uniform_int_distribution<int> k(-limit, limit);
    std::vector<int> e(n);
    for (int& x : e) x = k(rng);
    return perRow(e);
}

// The augmented matrix as a coefficient file would hold it: every value
// written as "<whole number>e<k>" and read to the nearest double.
inline Workspace scaledWorkspace(const BaseSystem& s, const std::vector<int>& k) {
    Workspace ws;
    const int n = static_cast<int>(s.a.size());
    ws.n = n;
    ws.m = n + 1;
    for (int i = 0; i < n; ++i) {
        long long rhs = 0;
        for (int j = 0; j < n; ++j) rhs += static_cast<long long>(s.a[i][j]) * s.roots[j];
        for (int j = 0; j <= n; ++j) {
            const long long v = j < n ? s.a[i][j] : rhs;
            ws.A(i + 1, j + 1) = decimalToDouble(std::to_string(v) + "e" + std::to_string(k[i]));
        }
    }
    return ws;
}

// Records what a run shows: the lines, and every message box and picture
// text (either ends the run) apart from the notes that do not.
class Recorder : public Host, public PictureSurface {
public:
    std::vector<std::string> lines, messages, notes;

    void listAppend(ResultLine line) override { lines.push_back(std::move(line.text)); }
    void listClear() override { lines.clear(); }
    PictureSurface& picture() override { return *this; }
    void message(const std::string& text) override { messages.push_back(text); }
    void remark(const std::string& text) override { notes.push_back(text); }
    bool keepIterating(std::int64_t sweeps, double) override { return sweeps < 10000; }

    void clear() override {}
    void print(const std::string& text) override { messages.push_back(text); }
    void scale(double, double, double, double) override {}
    void box(double, double, double, double, Rgb) override {}
    void circle(float, float, double) override {}
};

// The cells of a listing line or the value of a root line, as numbers.
inline std::vector<double> numbersIn(const std::string& line) {
    std::vector<double> v;
    const char* p = line.c_str();
    while (*p) {
        char* end = nullptr;
        const double d = std::strtod(p, &end);
        if (end == p) {
            ++p;
            continue;
        }
        v.push_back(d);
        p = end;
    }
    return v;
}

// The roots a successful run shows last: the final roots block, or for
// Gauss-Jordan the last column of the final listing. Empty when there are
// none to read.
inline std::vector<double> shownRoots(const std::vector<std::string>& lines, int n, Option option) {
    std::vector<double> x;
    if (option == Option::LesGaussJordan) {
        if (static_cast<int>(lines.size()) < n) return {};
        for (auto it = lines.end() - n; it != lines.end(); ++it) {
            const auto cells = numbersIn(*it);
            if (static_cast<int>(cells.size()) != n + 1) return {};
            x.push_back(cells.back());
        }
        return x;
    }
    const std::string last = " x(" + std::to_string(n) + ") = ";
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (it->rfind(last, 0) == 0) {
            const auto first = it.base() - n;
            if (first - lines.begin() < 0) return {};
            for (auto l = first; l != it.base(); ++l) x.push_back(numbersIn(l->substr(l->find('=')))[0]);
            return x;
        }
    return {};
}

using test::Reference;
using test::reference;

// Whether a value the method must keep or list cannot be a double: an
// element of Doolittle's L, the determinant, an element of the inverse.
inline bool outOfRange(long double v) { return v != 0 && (std::fabs(v) < DBL_MIN || std::fabs(v) > DBL_MAX); }

inline bool refusalForced(const Workspace& ws, Option option) {
    const int n = ws.n;
    if (option == Option::DetGauss) return std::fabs(reference(ws).det) > DBL_MAX;
    if (option == Option::InvScrobanski) {
        for (const auto& row : reference(ws).inverse)
            for (long double v : row)
                if (outOfRange(v)) return true;
        return false;
    }
    if (option != Option::LesDoolittle) return false;
    std::vector<std::vector<long double>> L(n, std::vector<long double>(n, 0)), U = L;
    for (int k = 0; k < n; ++k) {
        for (int i = k; i < n; ++i) {
            long double s = 0;
            for (int j = 0; j < k; ++j) s += L[k][j] * U[j][i];
            U[k][i] = ws.A(k + 1, i + 1) - s;
        }
        for (int r = k; r < n; ++r) {
            long double s = 0;
            for (int j = 0; j < k; ++j) s += L[r][j] * U[j][k];
            L[r][k] = (ws.A(r + 1, k + 1) - s) / U[k][k];
            if (outOfRange(L[r][k])) return true;
        }
    }
    return false;
}

enum class Verdict { Right, Wrong, ForcedRefusal, NeedlessRefusal };

struct Outcome {
    Verdict verdict;
    std::string detail;  // the message, or what was wrong
};

// Whether `shown` is `expected` as the listing's four decimals show it.
inline bool sameShown(double shown, long double expected) {
    return std::fabs(shown - expected) <= 0.00015L + 1e-9L * std::fabs(expected);
}

inline Outcome judge(const BaseSystem& s, const Scaling& scaling, Option option) {
    const Workspace ws = scaledWorkspace(s, scaling.k);
    const int n = ws.n;
    Recorder host;
    Session session(host);
    session.workspace() = ws;
    runMethod(session.context(), option);
    if (!host.messages.empty()) {
        const bool forced = refusalForced(ws, option);
        return {forced ? Verdict::ForcedRefusal : Verdict::NeedlessRefusal, host.messages.front()};
    }
    const std::string& last = host.lines.empty() ? std::string() : host.lines.back();
    if (option == Option::DetGauss) {
        const long double det = reference(ws).det;
        const std::string prefix = "Matrisin determinantı = ";
        if (last.rfind(prefix, 0) != 0) return {Verdict::Wrong, "no determinant: " + last};
        const double shown = std::strtod(last.c_str() + prefix.size(), nullptr);
        return {sameShown(shown, det) ? Verdict::Right : Verdict::Wrong, last};
    }
    if (option == Option::InvScrobanski) {
        const Reference r = reference(ws);
        if (static_cast<int>(host.lines.size()) < n) return {Verdict::Wrong, "no inverse"};
        for (int i = 0; i < n; ++i) {
            const auto cells = numbersIn(host.lines[host.lines.size() - n + i]);
            for (int j = 0; j < n; ++j)
                if (static_cast<int>(cells.size()) <= j || !sameShown(cells[j], r.inverse[i][j]))
                    return {Verdict::Wrong, "inverse row " + std::to_string(i + 1)};
        }
        return {Verdict::Right, ""};
    }
    const std::vector<double> x = shownRoots(host.lines, n, option);
    if (static_cast<int>(x.size()) != n) return {Verdict::Wrong, "no roots: " + last};
    // An iteration stops within its tolerance of the roots.
    const bool iterative = methodRow(option).usesMaxIter;
    for (int i = 0; i < n; ++i)
        if (std::fabs(x[i] - s.roots[i]) > (iterative ? 0.0005 : 0.00015)) {
            std::string shown;
            for (double v : x) shown += " " + std::to_string(v);
            return {Verdict::Wrong, "roots" + shown};
        }
    return {Verdict::Right, ""};
}

// The methods a system can be given: Thomas only tridiagonal ones.
inline bool applies(const BaseSystem& s, Option option) { return option != Option::LesThomas || s.tridiagonal; }

}  // namespace lineer::scaled
