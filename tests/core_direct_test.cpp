// The direct solvers: maximum-pivot Gauss, Gauss-Jordan, Doolittle and
// Crout LU, Thomas. Whole transcripts where the user reads them, failure
// paths, and a comparison with independent arithmetic on random systems.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "listing.h"
#include "lu.h"
#include "method_fixture.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

// Solves the augmented system (n x n+1) with partial pivoting in long double.
std::vector<double> referenceSolve(std::vector<std::vector<double>> rows) {
    const std::size_t n = rows.size();
    std::vector<std::vector<long double>> a(n);
    for (std::size_t i = 0; i < n; ++i) a[i].assign(rows[i].begin(), rows[i].end());
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
        std::swap(a[k], a[p]);
        for (std::size_t i = k + 1; i < n; ++i) {
            long double f = a[i][k] / a[k][k];
            for (std::size_t j = k; j <= n; ++j) a[i][j] -= f * a[k][j];
        }
    }
    std::vector<double> x(n);
    for (std::size_t k = n; k-- > 0;) {
        long double s = a[k][n];
        for (std::size_t j = k + 1; j < n; ++j) s -= a[k][j] * x[j];
        x[k] = static_cast<double>(s / a[k][k]);
    }
    return x;
}

// A random diagonally dominant augmented system.
std::vector<std::vector<double>> randomSystem(int n, std::mt19937& gen, bool tridiagonal = false) {
    std::uniform_real_distribution<double> u(-5, 5);
    std::vector<std::vector<double>> rows(n, std::vector<double>(n + 1, 0.0));
    for (int i = 0; i < n; ++i) {
        double off = 0;
        for (int j = 0; j < n; ++j) {
            if (i == j || (tridiagonal && std::abs(i - j) > 1)) continue;
            rows[i][j] = u(gen);
            off += std::fabs(rows[i][j]);
        }
        rows[i][i] = (u(gen) < 0 ? -1 : 1) * (off + 1 + std::fabs(u(gen)));
        rows[i][n] = 10 * u(gen);
    }
    return rows;
}

// ---------------------------------------------------------------- MPGauss

TEST(MPGauss, ZeroLeadingElementIsSolvedAfterReordering) {
    Fixture f;
    auto out = f.run("3 4\n0 2 1 5\n1 1 1 6\n2 1 -1 1\n", Option::LesMPGauss);
    // Step 1 takes the 2 at (1, 2) (first in scan order, before the 2 at
    // (3, 1)): columns 1 and 2 change places. Step 2 takes the 2 at (3, 2).
    std::vector<std::string> expected = cat({
        {" ", "Pivotlanmış matris", " ", row({"2.0000", "0", "1.0000", "5.0000"}),
         row({"1.0000", "2.0000", "-1.0000", "1.0000"}), row({"1.0000", "1.0000", "1.0000", "6.0000"})},
        {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"2.0000", "0", "1.0000", "5.0000"}),
         row({"0", "2.0000", "-1.5000", "-1.5000"}), row({"0", "0", "1.2500", "4.2500"}), " "},
        roots(kRootsHeading, {"0.8000", "1.8000", "3.4000"}),
        {" "},
        roots(kSortedRootsHeading, {"1.8000", "0.8000", "3.4000"}),
    });
    EXPECT_EQ(out, expected);
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(MPGauss, ColumnExchangeSwapsTheVariablesAndRightSideIsNeverAPivot) {
    Fixture f;
    // The right side holds the largest values but is never searched.
    auto out = f.run("2 3\n1 2 100\n3 4 -200\n", Option::LesMPGauss);
    std::vector<std::string> expected = cat({
        {" ", "Pivotlanmış matris", " ", row({"4.0000", "3.0000", "-200.0000"}),
         row({"2.0000", "1.0000", "100.0000"})},
        {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"4.0000", "3.0000", "-200.0000"}),
         row({"0", "-0.5000", "200.0000"}), " "},
        roots(kRootsHeading, {"250.0000", "-400.0000"}),
        {" "},
        roots(kSortedRootsHeading, {"-400.0000", "250.0000"}),
    });
    EXPECT_EQ(out, expected);
    EXPECT_EQ(f.ws().x(1), -400);
    EXPECT_EQ(f.ws().x(2), 250);
}

// The reordered matrix for the tie rules of the search.
TEST(MPGauss, TieRulesOfTheSearch) {
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> pivoted;
    };
    const Case cases[] = {
        {"equal maxima at (2,3) and (3,2): the lower row wins", "3 4\n1 0 0 1\n0 1 5 2\n0 5 1 3\n",
         {row({"5.0000", "1.0000", "0", "2.0000"}), row({"1.0000", "5.0000", "0", "3.0000"}),
          row({"0", "0", "1.0000", "1.0000"})}},
        {"equal maxima in one row: the lower column wins", "3 4\n1 -4 4 1\n0 1 0 0\n0 0 1 0\n",
         {row({"-4.0000", "4.0000", "1.0000", "1.0000"}), row({"0", "1.0000", "0", "0"}),
          row({"1.0000", "0", "0", "0"})}},
        {"opposite signs count as equal", "2 3\n1 2 3\n-3 3 0\n",
         {row({"-3.0000", "3.0000", "0"}), row({"1.0000", "2.0000", "3.0000"})}},
        {"maxima already on the diagonal: no exchange", "3 4\n9 1 2 1\n1 8 3 2\n2 3 7 3\n",
         {row({"9.0000", "1.0000", "2.0000", "1.0000"}), row({"1.0000", "8.0000", "3.0000", "2.0000"}),
          row({"2.0000", "3.0000", "7.0000", "3.0000"})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        auto out = f.run(c.content, Option::LesMPGauss);
        ASSERT_GE(out.size(), 3 + c.pivoted.size());
        std::vector<std::string> head(out.begin(), out.begin() + 3 + static_cast<long>(c.pivoted.size()));
        EXPECT_EQ(head, cat({{" ", "Pivotlanmış matris", " "}, c.pivoted}));
        EXPECT_TRUE(f.host.messages.empty());
    }
}

TEST(MPGauss, WithoutExchangesBothRootBlocksAgree) {
    Fixture f;
    auto out = f.run("3 4\n9 1 2 12\n1 8 3 12\n2 3 7 12\n", Option::LesMPGauss);
    const std::size_t n = 3;
    ASSERT_EQ(out.size(), (3 + n) + (4 + n) + (2 + n) + 1 + (2 + n));
    std::vector<std::string> first(out.begin() + 15, out.begin() + 18);
    std::vector<std::string> sorted(out.end() - 3, out.end());
    EXPECT_EQ(first, sorted);
}

TEST(MPGauss, AllZeroRemainingBlockExchangesNothing) {
    Fixture f;
    // Step 2 finds nothing in A(2, 2) = 0 and leaves the matrix; plain
    // elimination then solves it.
    auto out = f.run("2 3\n1 1 2\n1 0 1\n", Option::LesMPGauss);
    std::vector<std::string> expected = cat({
        {" ", "Pivotlanmış matris", " ", row({"1.0000", "1.0000", "2.0000"}), row({"1.0000", "0", "1.0000"})},
        {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"1.0000", "1.0000", "2.0000"}),
         row({"0", "-1.0000", "-1.0000"}), " "},
        roots(kRootsHeading, {"1.0000", "1.0000"}),
        {" "},
        roots(kSortedRootsHeading, {"1.0000", "1.0000"}),
    });
    EXPECT_EQ(out, expected);
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(MPGauss, EarlyEndOfEliminationWritesNoSortedRoots) {
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"all-zero coefficient block", "2 3\n0 0 1\n0 0 2\n",
         {" ", "Pivotlanmış matris", " ", row({"0", "0", "1.0000"}), row({"0", "0", "2.0000"})}},
        {"one equation with a zero coefficient", "1 2\n0 5\n",
         {" ", "Pivotlanmış matris", " ", row({"0", "5.0000"}), " ", "Üst-üçgenselleştirilmiş matris", " ",
          row({"0", "5.0000"})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.session.workspace().x(1) = 42;  // left from an earlier run
        auto out = f.run(c.content, Option::LesMPGauss);
        EXPECT_EQ(out, c.expected);
        EXPECT_EQ(f.host.messages, std::vector<std::string>{kZeroDiagonal});
        EXPECT_EQ(f.ws().x(1), 42);
    }
}

// ----------------------------------------------------------- Gauss-Jordan

TEST(GaussJordan, TwoEquationTranscriptWithExchange) {
    Fixture f;
    auto out = f.run("2 3\n1 2 4\n3 4 10\n", Option::LesGaussJordan);
    std::vector<std::string> expected = {
        " ", row({"3.0000", "4.0000", "10.0000"}), row({"1.0000", "2.0000", "4.0000"}),  // exchange
        " ", row({"1.0000", "1.3333", "3.3333"}), row({"1.0000", "2.0000", "4.0000"}),   // normalise
        " ", row({"1.0000", "1.3333", "3.3333"}), row({"0", "0.6667", "0.6667"}),        // eliminate
        " ", row({"1.0000", "1.3333", "3.3333"}), row({"0", "1.0000", "1.0000"}),        // normalise
        " ", row({"1.0000", "0", "2.0000"}), row({"0", "1.0000", "1.0000"}),             // eliminate
    };
    EXPECT_EQ(out, expected);
    EXPECT_TRUE(f.host.messages.empty());
}

// 2n listings, one more per exchange; each listing starts with " " and
// nothing else is written.
TEST(GaussJordan, ListingCounts) {
    struct Case {
        const char* what;
        const char* content;
        int listings;
    };
    const Case cases[] = {
        {"pivots already largest", "2 3\n4 1 5\n1 3 4\n", 4},
        {"zero leading element", "2 3\n0 1 1\n2 1 3\n", 5},
        {"equal absolute values do not exchange", "2 3\n2 1 3\n-2 1 -1\n", 4},
        {"two exchanges in three steps", "3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n", 8},
        {"one equation", "1 2\n4 2\n", 2},
        {"no equations", "0 0\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        auto out = f.run(c.content, Option::LesGaussJordan);
        int n = f.ws().n;
        ASSERT_EQ(out.size(), static_cast<std::size_t>(c.listings * (1 + n)));
        for (int l = 0; l < c.listings; ++l) EXPECT_EQ(out[static_cast<std::size_t>(l * (1 + n))], " ");
        EXPECT_TRUE(f.host.messages.empty());
    }
}

TEST(GaussJordan, FinalMatrixIsIdentityWithRoots) {
    Fixture f;
    auto out = f.run("3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n", Option::LesGaussJordan);
    std::vector<std::string> last(out.end() - 4, out.end());
    EXPECT_EQ(last, (std::vector<std::string>{" ", row({"1.0000", "0", "0", "2.0000"}),
                                              row({"0", "1.0000", "0", "3.0000"}),
                                              row({"0", "0", "1.0000", "-1.0000"})}));
}

TEST(GaussJordan, ZeroPivotStopsWithMessageKeepingEarlierListings) {
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"zero column in step 1", "2 3\n0 1 1\n0 2 2\n", {}},
        {"dependent rows: zero column in step 2",
         "2 3\n1 2 3\n2 4 6\n",
         {" ", row({"2.0000", "4.0000", "6.0000"}), row({"1.0000", "2.0000", "3.0000"}), " ",
          row({"1.0000", "2.0000", "3.0000"}), row({"1.0000", "2.0000", "3.0000"}), " ",
          row({"1.0000", "2.0000", "3.0000"}), row({"0", "0", "0"})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        EXPECT_EQ(f.run(c.content, Option::LesGaussJordan), c.expected);
        EXPECT_EQ(f.host.messages, std::vector<std::string>{kZeroDiagonal});
    }
}

// --------------------------------------------------------------------- LU

TEST(LU, DoolittleAndCroutFactorsOfOneMatrixGiveEqualRoots) {
    const char* content = "3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n";
    auto solved = roots(kSortedRootsHeading, {"2.0000", "3.0000", "-1.0000"});
    std::vector<std::string> doolittle = cat({
        {" ", "Alt-üçgensel matris", " ", row({"1.0000", "0", "0"}), row({"-1.5000", "1.0000", "0"}),
         row({"-1.0000", "4.0000", "1.0000"})},
        {" ", "Üst-üçgensel matris", " ", row({"2.0000", "1.0000", "-1.0000"}), row({"0", "0.5000", "0.5000"}),
         row({"0", "0", "-1.0000"}), " "},
        solved,
    });
    std::vector<std::string> crout = cat({
        {" ", "Alt-üçgensel matris", " ", row({"2.0000", "0", "0"}), row({"-3.0000", "0.5000", "0"}),
         row({"-2.0000", "2.0000", "-1.0000"})},
        {" ", "Üst-üçgensel matris", " ", row({"1.0000", "0.5000", "-0.5000"}), row({"0", "1.0000", "1.0000"}),
         row({"0", "0", "1.0000"}), " "},
        solved,
    });
    Fixture d, c;
    EXPECT_EQ(d.run(content, Option::LesDoolittle), doolittle);
    EXPECT_EQ(c.run(content, Option::LesCrout), crout);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d.ws().x(i), c.ws().x(i)) << i;
}

TEST(LU, SmallCasesBothVariants) {
    struct Case {
        const char* what;
        Option option;
        const char* content;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"one equation, Doolittle", Option::LesDoolittle, "1 2\n4 8\n",
         {" ", "Alt-üçgensel matris", " ", row({"1.0000"}), " ", "Üst-üçgensel matris", " ", row({"4.0000"}), " ",
          kSortedRootsHeading, " ", " x(1) = 2.0000"}},
        {"one equation, Crout", Option::LesCrout, "1 2\n4 8\n",
         {" ", "Alt-üçgensel matris", " ", row({"4.0000"}), " ", "Üst-üçgensel matris", " ", row({"1.0000"}), " ",
          kSortedRootsHeading, " ", " x(1) = 2.0000"}},
        // With m = n the last coefficient column serves as the right side.
        {"m = n, Doolittle", Option::LesDoolittle, "2 2\n2 1\n1 3\n",
         {" ", "Alt-üçgensel matris", " ", row({"1.0000", "0"}), row({"0.5000", "1.0000"}), " ",
          "Üst-üçgensel matris", " ", row({"2.0000", "1.0000"}), row({"0", "2.5000"}), " ", kSortedRootsHeading,
          " ", " x(1) = 0.0000", " x(2) = 1.0000"}},
        {"no equations", Option::LesCrout, "0 0\n",
         {" ", "Alt-üçgensel matris", " ", " ", "Üst-üçgensel matris", " ", " ", kSortedRootsHeading, " "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        EXPECT_EQ(f.run(c.content, c.option), c.expected);
        EXPECT_TRUE(f.host.messages.empty());
        EXPECT_TRUE(f.host.printed.empty());
    }
}

TEST(LU, ZeroPivotPrintsIntoThePictureOnly) {
    struct Case {
        const char* what;
        const char* content;
    };
    const Case cases[] = {
        {"A(1,1) = 0 in a system solvable by exchange", "2 3\n0 1 1\n1 0 1\n"},
        {"zero leading 2x2 minor", "3 4\n1 2 3 1\n2 4 5 1\n1 1 1 1\n"},
        {"singular last pivot", "2 3\n1 2 3\n2 4 6\n"},
    };
    for (Option option : {Option::LesDoolittle, Option::LesCrout}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            Fixture f;
            f.session.workspace().x(1) = 7;
            EXPECT_TRUE(f.run(c.content, option).empty());
            EXPECT_EQ(f.host.printed, std::vector<std::string>{kZeroDiagonal});
            EXPECT_TRUE(f.host.messages.empty());
            EXPECT_EQ(f.ws().x(1), 7);
        }
    }
}

TEST(LU, WorkspaceMatrixIsLeftUnchanged) {
    for (Option option : {Option::LesDoolittle, Option::LesCrout}) {
        Fixture f;
        f.session.workspace().x(4) = 9;
        f.run("3 4\n4 1 2 1\n1 5 1 2\n2 1 6 3\n", option);
        const double loaded[3][4] = {{4, 1, 2, 1}, {1, 5, 1, 2}, {2, 1, 6, 3}};
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 4; ++j) EXPECT_EQ(f.ws().A(i, j), loaded[i - 1][j - 1]);
        EXPECT_EQ(f.ws().x(4), 9);
    }
}

// ----------------------------------------------------------------- Thomas

TEST(Thomas, BandTableLiterals) {
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> table;
        std::vector<std::string> roots;
    };
    const Case cases[] = {
        {"zero bands take their literals", "3 4\n4 0 0 0\n1 4 1 6\n0 0 4 4\n",
         {" 0.0000   4.0000     0.0000   0.0000", "1.0000   4.0000   1.0000   6.0000",
          " 0.0000   4.0000     0.0000   4.0000"},
         {"0.0000", "1.2500", "1.0000"}},
        {"a zero diagonal element is formatted, not a literal", "2 3\n1 1 2\n1 0 1\n",
         {" 0.0000   1.0000   1.0000   2.0000", "1.0000   0.0000     0.0000   1.0000"},
         {"1.0000", "1.0000"}},
        {"one equation", "1 2\n4 2\n", {" 0.0000   4.0000     0.0000   2.0000"}, {"0.5000"}},
        {"entries off the bands are ignored", "3 4\n2 -1 9 1\n-1 2 -1 0\n9 -1 2 1\n",
         {" 0.0000   2.0000   -1.0000   1.0000", "-1.0000   2.0000   -1.0000   0.0000",
          "-1.0000   2.0000     0.0000   1.0000"},
         {"1.0000", "1.0000", "1.0000"}},
        {"column n + 1 is the right side when m = n + 2", "2 4\n2 1 3 100\n1 2 3 -100\n",
         {" 0.0000   2.0000   1.0000   3.0000", "1.0000   2.0000     0.0000   3.0000"},
         {"1.0000", "1.0000"}},
        {"no equations", "0 0\n", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        auto out = f.run(c.content, Option::LesThomas);
        EXPECT_EQ(out, cat({{" ", "Dikdörgenselleştirilmiş katsayılar matrisi", " "}, c.table, {" "},
                            roots(kRootsHeading, c.roots)}));
        EXPECT_TRUE(f.host.messages.empty());
    }
}

// Only the three diagonals are read: numbers off them make a remark after
// the roots, which does not stop the run.
TEST(Thomas, RemarksOnCoefficientsOffTheDiagonals) {
    const std::string note = "Matris üç köşegenli değil: üç köşegenin dışındaki 2 katsayı kullanılmadı, "
                             "kökler dosyadaki sistemin kökleri olmayabilir";
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> notes;
    };
    for (const auto& c : std::vector<Case>{
             {"tridiagonal", "3 4\n2 -1 0 1\n-1 2 -1 0\n0 -1 2 1\n", {}},
             {"two off the bands", "3 4\n2 -1 9 1\n-1 2 -1 0\n9 -1 2 1\n", {note}},
             {"zeros off the bands and a column beyond n + 1", "2 4\n2 1 3 100\n1 2 3 -100\n", {}},
         }) {
        Fixture f;
        f.run(c.content, Option::LesThomas);
        EXPECT_EQ(f.host.notes, c.notes) << c.what;
        EXPECT_TRUE(f.host.messages.empty()) << c.what;
    }
}

TEST(Thomas, RightSideColumnIsReadWhateverTheFileFilled) {
    Fixture f;
    // A larger file leaves (3, 3) in column 3; the next file has m = n = 2.
    ASSERT_TRUE(f.session.loadFile(tempFile("2 3\n9 9 3\n9 9 3\n")));
    auto out = f.run("2 2\n2 1\n1 2\n", Option::LesThomas);
    EXPECT_EQ(out, cat({{" ", "Dikdörgenselleştirilmiş katsayılar matrisi", " ",
                         " 0.0000   2.0000   1.0000   3.0000", "1.0000   2.0000     0.0000   3.0000", " "},
                        roots(kRootsHeading, {"1.0000", "1.0000"})}));
}

TEST(Thomas, ZeroPivotShowsMessageAfterTheTable) {
    struct Case {
        const char* what;
        const char* content;
        std::size_t tableRows;
    };
    const Case cases[] = {
        {"b(1) = 0", "2 3\n0 1 1\n1 1 2\n", 2},
        {"beta(2) = 0 inside the sweep", "3 4\n1 1 0 1\n1 1 1 1\n0 1 1 1\n", 3},
        {"beta(n) = 0 at back substitution", "2 3\n1 1 1\n1 1 2\n", 2},
        {"one equation with b(1) = 0", "1 2\n0 3\n", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.session.workspace().x(1) = 5;
        auto out = f.run(c.content, Option::LesThomas);
        EXPECT_EQ(out.size(), 3 + c.tableRows);
        EXPECT_EQ(f.host.messages, std::vector<std::string>{kZeroDiagonal});
        EXPECT_EQ(f.ws().x(1), 5);
    }
}

TEST(Thomas, HundredEquationsAreRefused) {
    std::string content = "100 100\n";
    for (int i = 1; i <= 100; ++i)
        for (int j = 1; j <= 100; ++j) content += (i == j ? "4 " : j == i + 1 || j == i - 1 ? "1 " : "0 ");
    Fixture f;
    EXPECT_TRUE(f.run(content, Option::LesThomas).empty());
    EXPECT_EQ(f.host.messages, std::vector<std::string>{"Thomas yöntemi en çok 99 denklem çözebilir"});
}

// ------------------------------------------- comparison with a reference

TEST(DirectRandom, RootsAgreeWithReference) {
    std::mt19937 gen(20240611);
    for (int n : {1, 2, 3, 5, 8, 20, 60}) {
        auto sys = randomSystem(n, gen);
        auto ref = referenceSolve(sys);
        std::string content = file(sys);
        for (Option option : {Option::LesMPGauss, Option::LesGaussJordan, Option::LesDoolittle, Option::LesCrout}) {
            SCOPED_TRACE("n = " + std::to_string(n) + ", option " + std::to_string(static_cast<int>(option)));
            Fixture f;
            f.run(content, option);
            ASSERT_TRUE(f.host.messages.empty());
            for (int i = 1; i <= n; ++i) {
                // Gauss-Jordan leaves the roots in the last column.
                double got = option == Option::LesGaussJordan ? f.ws().A(i, n + 1) : f.ws().x(i);
                EXPECT_NEAR(got, ref[static_cast<std::size_t>(i - 1)], 1e-10 * (1 + std::fabs(ref[i - 1]))) << i;
            }
        }
        auto tri = randomSystem(n, gen, true);
        auto triRef = referenceSolve(tri);
        Fixture f;
        f.run(file(tri), Option::LesThomas);
        ASSERT_TRUE(f.host.messages.empty());
        for (int i = 1; i <= n; ++i)
            EXPECT_NEAR(f.ws().x(i), triRef[i - 1], 1e-10 * (1 + std::fabs(triRef[i - 1]))) << "Thomas " << i;
    }
}

TEST(DirectRandom, FactorsReproduceTheMatrix) {
    std::mt19937 gen(7);
    for (int n : {1, 2, 4, 9, 30}) {
        auto sys = randomSystem(n, gen);
        auto A = std::make_unique<Matrix>();
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) (*A)(i, j) = sys[i - 1][j - 1];
        for (LuVariant v : {LuVariant::Doolittle, LuVariant::Crout}) {
            auto L = std::make_unique<Matrix>();
            auto U = std::make_unique<Matrix>();
            ASSERT_TRUE(luFactor(*A, n, v, *L, *U));
            for (int i = 1; i <= n; ++i) {
                // The unit diagonal is exact in either variant.
                EXPECT_EQ(v == LuVariant::Doolittle ? (*L)(i, i) : (*U)(i, i), 1.0);
                for (int j = 1; j <= n; ++j) {
                    if (j > i) {
                        EXPECT_EQ((*L)(i, j), 0.0);
                    }
                    if (j < i) {
                        EXPECT_EQ((*U)(i, j), 0.0);
                    }
                    long double s = 0;
                    for (int k = 1; k <= n; ++k) s += static_cast<long double>((*L)(i, k)) * (*U)(k, j);
                    EXPECT_NEAR(static_cast<double>(s), (*A)(i, j), 1e-12 * (1 + std::fabs((*A)(i, j))));
                }
            }
        }
    }
}

}  // namespace
}  // namespace lineer::test
