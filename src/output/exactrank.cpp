// The rank of an exact system and its general solution.

#include <string>
#include <utility>
#include <vector>

#include "exactrun.h"
#include "numformat.h"

namespace lineer {

namespace {

// "t" for the only free variable, else "t1", "t2", …
std::string parameterName(int k, int count) {
    std::string s = "t";
    if (count > 1) appendInt(s, k);
    return s;
}

// c + Σ coefficient × parameter, as a student writes it: "2 − 3/2·t".
std::string expression(const Context& ctx, const Rational& constant,
                       const std::vector<std::pair<Rational, std::string>>& terms) {
    std::string s;
    if (constant != 0 || terms.empty()) s = exactText(ctx, constant);
    for (const auto& [c, name] : terms) {
        if (c == 0) continue;
        const Rational size = abs(c);
        if (s.empty())
            s = c < 0 ? "\u2212" : "";
        else
            s.append(c < 0 ? " \u2212 " : " + ");
        if (size != 1) s.append(exactText(ctx, size)).append("\u00b7");
        s.append(name);
    }
    return s.empty() ? "0" : s;
}

}  // namespace

GeneralSolution generalSolution(const ExactWorkspace& system) {
    GeneralSolution g;
    const int n = system.n;
    const int m = system.m;
    const int unknowns = m - 1;
    if (n < 1 || unknowns < 1) return g;
    // Reduced row echelon form, the pivot of each column the first non-zero
    // element from the current row down.
    std::vector<std::vector<Rational>> R(static_cast<std::size_t>(n) + 1,
                                         std::vector<Rational>(static_cast<std::size_t>(m) + 1));
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) R[i][j] = system.A(i, j);
    std::vector<int> rowOf(static_cast<std::size_t>(unknowns) + 1, 0);  // the pivot row of a column
    int row = 1;
    for (int j = 1; j <= unknowns && row <= n; ++j) {
        int p = row;
        while (p <= n && R[p][j] == 0) ++p;
        if (p > n) continue;
        std::swap(R[p], R[row]);
        const Rational pivot = R[row][j];
        for (int c = j; c <= m; ++c) R[row][c] /= pivot;
        for (int i = 1; i <= n; ++i) {
            if (i == row || R[i][j] == 0) continue;
            const Rational f = R[i][j];
            for (int c = j; c <= m; ++c) R[i][c] -= f * R[row][c];
        }
        rowOf[j] = row++;
    }
    g.rank = row - 1;
    for (int i = row; i <= n; ++i) g.consistent = g.consistent && R[i][m] == 0;
    if (!g.consistent) return g;
    g.particular.assign(static_cast<std::size_t>(unknowns) + 1, Rational(0));
    for (int j = 1; j <= unknowns; ++j)
        if (rowOf[j]) g.particular[j] = R[rowOf[j]][m];
    for (int f = 1; f <= unknowns; ++f) {
        if (rowOf[f]) continue;
        std::vector<Rational> d(static_cast<std::size_t>(unknowns) + 1, Rational(0));
        d[f] = 1;
        for (int j = 1; j <= unknowns; ++j)
            if (rowOf[j]) d[j] = -R[rowOf[j]][f];
        g.free.push_back(f);
        g.directions.push_back(std::move(d));
    }
    return g;
}

void explainSingular(Context& ctx, const ExactWorkspace& system) {
    const GeneralSolution g = generalSolution(system);
    const int unknowns = system.m - 1;
    if (system.n < 1 || unknowns < 1) return;
    ctx.blank();
    if (!g.consistent) {
        ctx.append(format(Text::ExactNoSolution, intText(g.rank), intText(g.rank + 1)));
        return;
    }
    const int count = static_cast<int>(g.free.size());
    if (count == 0) return;
    ctx.append(format(Text::ExactInfinitelyMany, intText(g.rank), intText(count)));
    ctx.blank();
    ctx.heading(Text::ExactGeneralSolution);
    ctx.blank();
    std::vector<std::pair<Rational, std::string>> terms;
    for (int j = unknowns; j >= 1; --j) {
        std::string line = " x(";
        appendInt(line, j);
        line.append(") = ");
        terms.clear();
        for (int k = 0; k < count; ++k) terms.emplace_back(g.directions[k][j], parameterName(k + 1, count));
        line.append(expression(ctx, g.particular[j], terms));
        ctx.append(std::move(line));
    }
}

}  // namespace lineer
