// The exact mode: determinants, inverses and solutions in fractions against
// independent rational computations, and singular systems of chosen rank
// with their general solution checked by substitution.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exactrun.h"
#include "testhost.h"

namespace lineer::test {
namespace {

std::string hilbertFile(int n) {
    std::string s = std::to_string(n) + " " + std::to_string(n) + "\n";
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) s += "1/" + std::to_string(i + j - 1) + (j == n ? "\n" : " ");
    return s;
}

// Runs `option` in exact mode on the file; the host keeps the lines.
void runExactly(TestHost& h, Session& s, const std::string& content, Option option, bool steps = false) {
    ASSERT_TRUE(s.loadFile(tempFile(content)));
    RunRequest r{option, {}};
    r.params.exact = true;
    r.params.steps = steps;
    s.hesapla(r);
}

// The exact value a root line or a determinant line shows.
Rational valueAfter(const std::string& line, const std::string& marker) {
    std::string rest = line.substr(line.find(marker) + marker.size());
    rest = rest.substr(0, rest.find(' '));
    return *exactFileNumber(rest);
}

// The determinant by expansion along the first row: another way to the
// same exact number.
Rational expansion(const std::vector<std::vector<Rational>>& M) {
    const std::size_t n = M.size();
    if (n == 1) return M[0][0];
    Rational d = 0;
    for (std::size_t c = 0; c < n; ++c) {
        std::vector<std::vector<Rational>> minor;
        for (std::size_t i = 1; i < n; ++i) {
            std::vector<Rational> row;
            for (std::size_t j = 0; j < n; ++j)
                if (j != c) row.push_back(M[i][j]);
            minor.push_back(row);
        }
        d += (c % 2 ? -1 : 1) * M[0][c] * expansion(minor);
    }
    return d;
}

TEST(Exact, HilbertDeterminants) {
    const Rational expected[] = {Rational(1), Rational(1, 12), Rational(1, 2160), Rational(1, 6048000)};
    for (int n = 1; n <= 4; ++n) {
        TestHost h;
        Session s(h);
        runExactly(h, s, hilbertFile(n), Option::DetGauss);
        EXPECT_EQ(h.lines.back(), "Matrisin determinantı = " + fractionText(expected[n - 1])) << n;
    }
}

// x(i) by Cramer's rule, each determinant by expansion, against the roots
// exact Gauss and Gauss-Jordan list.
TEST(Exact, GaussAndGaussJordanAgreeWithCramer) {
    std::mt19937 rng(30);
    std::uniform_int_distribution<int> entry(-9, 9);
    for (int trial = 0; trial < 12; ++trial) {
        const int n = 2 + trial % 3;
        std::vector<std::vector<Rational>> A(n, std::vector<Rational>(n));
        std::vector<Rational> b(n);
        std::string file = std::to_string(n) + " " + std::to_string(n + 1) + "\n";
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j <= n; ++j) {
                const int v = (i == j ? 20 : 0) + entry(rng);  // no zero pivot on the way
                (j < n ? A[i][j] : b[i]) = v;
                file += std::to_string(v) + " ";
            }
            file += "\n";
        }
        const Rational d = expansion(A);
        TestHost h;
        Session s(h);
        runExactly(h, s, file, Option::LesGauss);
        for (int k = 0; k < n; ++k) {
            auto Ak = A;
            for (int i = 0; i < n; ++i) Ak[i][k] = b[i];
            const Rational root = expansion(Ak) / d;
            const std::string& line = h.lines[h.lines.size() - n + k];
            EXPECT_EQ(valueAfter(line, ") = "), root) << file << line;
        }
        TestHost hj;
        Session sj(hj);
        runExactly(hj, sj, file, Option::LesGaussJordan);
        // The last listing's last column holds the roots.
        for (int k = 0; k < n; ++k) {
            auto Ak = A;
            for (int i = 0; i < n; ++i) Ak[i][k] = b[i];
            const ResultLine& row = hj.results[hj.results.size() - n + k];
            ASSERT_EQ(row.kind, LineKind::MatrixRow);
            EXPECT_EQ(*exactFileNumber(row.cell(row.cells.size() - 1)), expansion(Ak) / d) << file;
        }
    }
}

// A = L·R with L n × r and R r × n of random integers has rank r (checked
// by the elimination itself); b = A·x0 makes the system consistent.
TEST(Exact, GeneralSolutionOfChosenRankSolvesTheSystem) {
    std::mt19937 rng(27);
    std::uniform_int_distribution<int> entry(-4, 4);
    for (int trial = 0; trial < 20; ++trial) {
        const int n = 3 + trial % 3;
        const int r = 1 + trial % (n - 1);
        std::vector<std::vector<int>> L(n, std::vector<int>(r)), R(r, std::vector<int>(n));
        for (auto& row : L)
            for (int& v : row) v = entry(rng);
        for (auto& row : R)
            for (int& v : row) v = entry(rng);
        ExactWorkspace ws;
        ws.n = n;
        ws.m = n + 1;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                for (int k = 0; k < r; ++k) ws.A(i, j) += L[i - 1][k] * R[k][j - 1];
        std::vector<Rational> x0(n + 1);
        for (int j = 1; j <= n; ++j) x0[j] = entry(rng);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) ws.A(i, n + 1) += ws.A(i, j) * x0[j];
        const GeneralSolution g = generalSolution(ws);
        ASSERT_TRUE(g.consistent);
        EXPECT_LE(g.rank, r);
        ASSERT_EQ(static_cast<int>(g.free.size()), n - g.rank);
        for (int i = 1; i <= n; ++i) {
            Rational lhs = 0;
            for (int j = 1; j <= n; ++j) lhs += ws.A(i, j) * g.particular[j];
            EXPECT_EQ(lhs, ws.A(i, n + 1)) << trial;
            for (const auto& d : g.directions) {
                Rational dot = 0;
                for (int j = 1; j <= n; ++j) dot += ws.A(i, j) * d[j];
                EXPECT_EQ(dot, 0) << trial;
            }
        }
        // One more in b, outside the columns' span when the rank is short:
        // no solution at all.
        if (g.rank < n) {
            // Some unit change of b leaves the span, which is not all.
            bool someInconsistent = false;
            for (int i = 1; i <= n && !someInconsistent; ++i) {
                ExactWorkspace off = ws;
                off.A(i, n + 1) += 1;
                someInconsistent = !generalSolution(off).consistent;
            }
            EXPECT_TRUE(someInconsistent) << trial;
        }
    }
}

TEST(Exact, SingularSystemsSayTheirCase) {
    TestHost h;
    Session s(h);
    runExactly(h, s, "3 4\n1 2 3 6\n2 4 6 12\n1 1 1 3\n", Option::LesGauss);
    const std::vector<std::string> tail(h.lines.end() - 7, h.lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                            "Denklem takımının sonsuz çözümü vardır: rank 2, 1 serbest değişken.",
                            " ",
                            "Genel çözüm (serbest değişkenler parametre olarak)",
                            " ",
                            " x(3) = t",
                            " x(2) = 3 \u2212 2\u00b7t",
                            " x(1) = t",
                    }));
    TestHost none;
    Session s2(none);
    runExactly(none, s2, "2 3\n1 1 1\n2 2 3\n", Option::LesGaussJordan);
    EXPECT_EQ(none.lines.back(),
              "Denklem takımının çözümü yoktur: katsayılar matrisinin rankı 1, genişletilmiş matrisin rankı 2.");
}

TEST(Exact, StepsShowTheFractionsTheyUse) {
    TestHost h;
    h.steps = true;
    Session s(h);
    runExactly(h, s, "3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n", Option::LesGauss, true);
    const auto has = [&](const std::string& line) {
        return std::find(h.lines.begin(), h.lines.end(), line) != h.lines.end();
    };
    EXPECT_TRUE(has("2. satır \u2190 2. satır \u2212 (-3/2) \u00d7 1. satır"));
    EXPECT_TRUE(has("x(2) = (1 \u2212 (1/2) \u00d7 (-1)) / (1/2) = 3"));
    EXPECT_TRUE(has(" x(3) = -1 (-1.0000)"));
}

}  // namespace
}  // namespace lineer::test
