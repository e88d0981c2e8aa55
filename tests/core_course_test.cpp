// The methods a first course teaches beside the program's own: whole
// transcripts on worked examples whose answers are known by hand, the
// failures they name, and properties over random matrices; the iterations'
// start vector and tolerance; the promises of the exercises.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "exercise.h"
#include "lu.h"
#include "measures.h"
#include "method_fixture.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kPivoted = "Üst-üçgenselleştirilmiş matris";

std::string example(const std::string& name) {
    std::ifstream in(std::string(LINEER_EXAMPLES) + "/" + name);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(CourseMethods, WorkedExamples) {
    struct Case {
        const char* what;
        Option option;
        std::string file;
        Lines lines;
    };
    const Case cases[] = {
        // Plain Gauss gives x(1) = 0 here: 1 − 1E20 rounds to −1E20.
        {"partial pivoting on 1E-20 x + y = 1, x + y = 2", Option::LesGaussPivot, "2 3\n1E-20 1 1\n1 1 2\n",
         cat({{" ", "Kısmi pivotlama", " ",
               "1. adım: 1. sütunun 1. satır ve altındaki en büyük elemanı 1.0000 (2. satır)",
               "1. ve 2. satırlar yer değiştirdi", " ", kPivoted, " ", row({"1.0000", "1.0000", "2.0000"}),
               row({"0", "1.0000", "1.0000"}), " "},
              roots(kRootsHeading, {"1.0000", "1.0000"})})},
        // |1| and |−1| tie: the first stays, and no row is exchanged.
        {"a tie of partial pivoting keeps the first row", Option::LesGaussPivot, "2 3\n1 1 3\n-1 1 1\n",
         cat({{" ", "Kısmi pivotlama", " ",
               "1. adım: 1. sütunun 1. satır ve altındaki en büyük elemanı 1.0000 (1. satır)", " ", kPivoted, " ",
               row({"1.0000", "1.0000", "3.0000"}), row({"0", "2.0000", "4.0000"}), " "},
              roots(kRootsHeading, {"1.0000", "2.0000"})})},
        // Maximum pivoting stops on this regular matrix; the roots are 1, 1, 1.
        {"complete pivoting exchanges columns and gives the roots back in order", Option::LesCompletePivot,
         "3 4\n2 -3 1 0\n-2 3 0 1\n0 1 -2 -1\n",
         cat({{" ", "Tam pivotlama", " ", "1. adım: en büyük eleman -3.0000 (1. satır, 2. sütun)",
               "1. ve 2. sütunlar yer değiştirdi", "2. adım: en büyük eleman -1.6667 (3. satır, 3. sütun)",
               "2. ve 3. sütunlar yer değiştirdi", "2. ve 3. satırlar yer değiştirdi", " ", kPivoted, " ",
               row({"-3.0000", "1.0000", "2.0000", "0"}), row({"0", "-1.6667", "0.6667", "-1.0000"}),
               row({"0", "0", "0.4000", "0.4000"}), " ", "Sütunlardaki değişkenler: x(2), x(3), x(1)", " "},
              roots(kRootsHeading, {"1.0000", "1.0000", "1.0000"})})},
        {"P·A = L·U of the three equations", Option::LesLUPivot, example("uc-denklem.txt"),
         cat({{" ", "Permütasyon: p = (2, 3, 1); P·A'nın i. satırı A'nın p(i). satırıdır", " ",
               "Permütasyon matrisi P", " ", row({"0", "1.0000", "0"}), row({"0", "0", "1.0000"}),
               row({"1.0000", "0", "0"}), " ", "Alt-üçgensel matris", " ", row({"1.0000", "0", "0"}),
               row({"0.6667", "1.0000", "0"}), row({"-0.6667", "0.2000", "1.0000"}), " ", "Üst-üçgensel matris",
               " ", row({"-3.0000", "-1.0000", "2.0000"}), row({"0", "1.6667", "0.6667"}),
               row({"0", "0", "0.2000"}), " ", "İleri yerine koyma: L·y = P·b", " ", " y(1) = -11.0000",
               " y(2) = 4.3333", " y(3) = -0.2000", " "},
              roots(kRootsHeading, {"2.0000", "3.0000", "-1.0000"})})},
        // A = L·Lᵀ with L = (2 0 0 / 1 3 0 / −1 1 2), x = (1, 2, 3).
        {"Cholesky on a matrix made as L·Lᵀ", Option::LesCholesky, "3 4\n4 2 -2 2\n2 10 2 28\n-2 2 6 20\n",
         cat({{" ", "Cholesky çarpanı L (A = L·Lᵀ)", " ", row({"2.0000", "0", "0"}), row({"1.0000", "3.0000", "0"}),
               row({"-1.0000", "1.0000", "2.0000"}), " "},
              roots(kRootsHeading, {"1.0000", "2.0000", "3.0000"})})},
        // The determinant without exchanges stops on this permutation.
        {"the determinant of a permutation", Option::DetPivot, "2 2\n0 1\n1 0\n",
         {" ", "Kısmi pivotlama", " ", "1. adım: 1. sütunun 1. satır ve altındaki en büyük elemanı 1.0000 (2. satır)",
          "1. ve 2. satırlar yer değiştirdi", " ", kPivoted, " ", row({"1.0000", "0"}), row({"0", "1.0000"}), " ",
          "Satır değişimi sayısı: 1; işaret çarpanı (−1)^1 = -1", " ", "Matrisin determinantı = -1"}},
        {"a zero column makes the determinant 0 and does not stop", Option::DetPivot, "3 3\n0 1 2\n0 3 4\n0 5 7\n",
         {" ", "Kısmi pivotlama", " ",
          "1. adım: 1. sütun 1. satır ve altında sıfır; eleme gerekmez, determinant 0",
          "2. adım: 2. sütunun 2. satır ve altındaki en büyük elemanı 5.0000 (3. satır)",
          "2. ve 3. satırlar yer değiştirdi", " ", kPivoted, " ", row({"0", "1.0000", "2.0000"}),
          row({"0", "5.0000", "7.0000"}), row({"0", "0", "-0.2000"}), " ",
          "Satır değişimi sayısı: 1; işaret çarpanı (−1)^1 = -1", " ", "Matrisin determinantı = 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        EXPECT_EQ(f.run(c.file, c.option), c.lines);
        EXPECT_EQ(f.host.messages, Lines{});
    }
}

// Each refusal names what is wrong and where, ends as it says (a
// refusal with its reason, or the zero pivot of a singular matrix), and a
// factorisation that did not finish lists nothing.
TEST(CourseMethods, RefusalsSayWhyAndWhere) {
    struct Case {
        Option option;
        std::string file;
        std::string message;
        Outcome outcome;
        std::optional<Text> reason;
    };
    const auto refused = Outcome::Refused;
    const Case cases[] = {
        {Option::LesCholesky, "2 3\n1 2 1\n3 1 1\n", "Matris simetrik değil: A(1,2) = 2, ama A(2,1) = 3", refused,
         Text::NotSymmetricReason},
        {Option::LesCholesky, "2 3\n1 0.1 1\n0.1000000000000001 1 1\n",
         "Matris simetrik değil: A(1,2) = 0.10000000000000001, ama A(2,1) = 0.1000000000000001", refused,
         Text::NotSymmetricReason},
        {Option::LesCholesky, "2 3\n1 2 1\n2 1 1\n",
         "Matris pozitif tanımlı değil: 2. adımda karekökün altındaki A(2,2) − Σ L(2,j)² = -3 ≤ 0", refused,
         Text::NotPositiveDefiniteReason},
        {Option::LesCholesky, "1 2\n0 1\n",
         "Matris pozitif tanımlı değil: 1. adımda karekökün altındaki A(1,1) − Σ L(1,j)² = 0 ≤ 0", refused,
         Text::NotPositiveDefiniteReason},
        {Option::LesCholesky, "2 2\n1 0\n0 1\n",
         "Bu yöntem bir denklem takımı ister: en az bir denklem ve satır sayısından fazla sütun", refused,
         Text::SystemNeeded},
        {Option::LesGaussPivot, "3 4\n1 2 3 1\n2 4 6 2\n1 1 1 1\n",
         "Matris tekil: 3. adımda 3. sütun 3. satır ve altında sıfır", Outcome::ZeroPivot, std::nullopt},
        {Option::LesLUPivot, "2 3\n0 1 1\n0 2 1\n", "Matris tekil: 1. adımda 1. sütun 1. satır ve altında sıfır",
         Outcome::ZeroPivot, std::nullopt},
        {Option::LesCompletePivot, "2 3\n1 2 1\n2 4 1\n",
         "Matris tekil: 2. adımda kalan blokta sıfırdan farklı eleman yok", Outcome::ZeroPivot, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Fixture f;
        ASSERT_TRUE(f.session.loadFile(tempFile(c.file)));
        const std::size_t before = f.host.lines.size();
        f.host.selected = c.option;
        const std::optional<RunResult> r = f.session.hesapla(f.host.request());
        ASSERT_TRUE(r);
        EXPECT_EQ(r->outcome, c.outcome);
        EXPECT_EQ(r->reason ? std::optional<Text>(r->reason->key()) : std::nullopt, c.reason);
        EXPECT_EQ(f.host.messages, Lines{c.message});
        if (c.option == Option::LesCholesky || c.option == Option::LesLUPivot) {
            EXPECT_EQ(f.host.lines.size(), before);
        }
    }
}

// Random systems with zeros on the diagonal and values times 1E+300 that
// overflow on the way: every textbook method ends with its result or with
// one message, and no line shows a value that is not finite.
TEST(CourseMethods, HostileSystemsEndWithAResultOrOneMessage) {
    std::mt19937_64 rng(29);
    for (int trial = 0; trial < 400; ++trial) {
        const auto loaded = randomSystem(rng, trial % 3 == 0);
        for (Option option : {Option::LesGaussPivot, Option::LesCompletePivot, Option::LesLUPivot,
                              Option::LesCholesky, Option::DetPivot}) {
            TestHost host;
            Session s(host);
            s.workspace() = *loaded;
            const RunResult r = runMethod(s.context(), option);
            EXPECT_EQ(host.messages.size(), ranToItsEnd(r.outcome) ? 0u : 1u) << static_cast<int>(option);
            for (std::string line : host.lines) {
                std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::tolower(c); });
                if (const auto at = line.find("determinant"); at != std::string::npos) line.erase(at, 11);
                ASSERT_EQ(line.find("inf"), std::string::npos) << line;
                ASSERT_EQ(line.find("nan"), std::string::npos) << line;
            }
        }
    }
}

// Exact whole numbers: a determinant by fraction-free elimination
// (Bareiss), 0 for a singular matrix.
long long exactDeterminant(std::vector<std::vector<long long>> a) {
    const std::size_t n = a.size();
    long long sign = 1, previous = 1;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        std::size_t p = k;
        while (p < n && a[p][k] == 0) ++p;
        if (p == n) return 0;
        if (p != k) std::swap(a[p], a[k]), sign = -sign;
        for (std::size_t i = k + 1; i < n; ++i)
            for (std::size_t j = k + 1; j < n; ++j) a[i][j] = (a[i][j] * a[k][k] - a[i][k] * a[k][j]) / previous;
        previous = a[k][k];
    }
    return sign * a[n - 1][n - 1];
}

TEST(CourseMethods, CompletePivotingNeverMeetsAZeroPivotAndTheDeterminantIsExact) {
    std::mt19937 gen(29);
    std::uniform_int_distribution<int> entry(-3, 3), size(2, 6);
    int regular = 0;
    for (int run = 0; run < 300; ++run) {
        const int n = size(gen);
        std::vector<std::vector<long long>> a(n, std::vector<long long>(n));
        std::vector<std::vector<double>> rows(n, std::vector<double>(n + 1, 0));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) rows[i][j] = static_cast<double>(a[i][j] = entry(gen) * (entry(gen) != 0));
        // x(j) = j: the right-hand sides are exact.
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) rows[i][n] += rows[i][j] * (j + 1);
        const long long det = exactDeterminant(a);
        SCOPED_TRACE(file(rows));
        Fixture d;
        const Lines detLines = d.run(file(rows), Option::DetPivot);
        EXPECT_EQ(detLines.back(), "Matrisin determinantı = " + std::to_string(det));
        if (det == 0) continue;
        ++regular;
        Fixture f;
        f.run(file(rows), Option::LesCompletePivot);
        ASSERT_EQ(f.host.messages, Lines{});
        for (int i = 1; i <= n; ++i) EXPECT_NEAR(f.ws().x(i), i, 1e-9 * n) << i;
    }
    EXPECT_GT(regular, 150);
}

// A = Pᵀ·L·U with |L(i, k)| < 1 in quarters and U in multiples of 4: the
// pivot of every step is unique, the arithmetic exact, so the factors come
// back exactly and P·A = L·U holds to the last bit.
TEST(CourseMethods, PALUReassemblesExactly) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> quarter(-3, 3), multiple(-3, 3), size(1, 7);
    for (int run = 0; run < 200; ++run) {
        const int n = size(gen);
        auto L = std::make_unique<Matrix>(), U = std::make_unique<Matrix>(), A = std::make_unique<Matrix>();
        std::vector<int> perm(n + 1);
        for (int i = 1; i <= n; ++i) {
            perm[i] = i;
            (*L)(i, i) = 1;
            for (int j = 1; j < i; ++j) (*L)(i, j) = quarter(gen) / 4.0;
            (*U)(i, i) = 4.0 * (multiple(gen) | 1);
            for (int j = i + 1; j <= n; ++j) (*U)(i, j) = 4.0 * multiple(gen);
        }
        std::shuffle(perm.begin() + 1, perm.end(), gen);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                for (int t = 1; t <= n; ++t) (*A)(perm[i], j) += (*L)(i, t) * (*U)(t, j);
        auto gotL = std::make_unique<Matrix>(), gotU = std::make_unique<Matrix>();
        int gotPerm[kDim] = {};
        ASSERT_EQ(luPivotFactor(*A, n, *gotL, *gotU, gotPerm), 0);
        for (int i = 1; i <= n; ++i) {
            EXPECT_EQ(gotPerm[i], perm[i]);
            for (int j = 1; j <= n; ++j) {
                double lu = 0;
                for (int t = 1; t <= n; ++t) lu += (*gotL)(i, t) * (*gotU)(t, j);
                EXPECT_EQ(lu, (*A)(gotPerm[i], j)) << i << "," << j;
                EXPECT_EQ((*gotL)(i, j), (*L)(i, j));
                EXPECT_EQ((*gotU)(i, j), (*U)(i, j));
            }
        }
    }
}

// The textbook methods have a table of their own below the program's,
// whose rows and reference stay as they were; Cholesky runs only on a
// symmetric positive definite system.
TEST(CourseMethods, TheComparisonHasATableOfTheTextbookMethods) {
    const auto textbookRows = [](const std::string& content) {
        Fixture f;
        EXPECT_TRUE(f.session.loadFile(tempFile(content)));
        f.session.compare(f.host.request());
        const auto heading = std::find(f.host.lines.begin(), f.host.lines.end(), "Ders kitaplarındaki yöntemler");
        Lines rows;
        if (heading == f.host.lines.end()) return rows;
        for (auto it = heading + 3; it != f.host.lines.end(); ++it) rows.push_back(it->substr(0, it->find("   ")));
        return rows;
    };
    const Lines three = {"Kısmi pivotlamalı Gauss eliminasyonu (satır değişimleri)",
                         "Tam pivotlamalı Gauss eliminasyonu (satır ve sütun değişimleri)",
                         "Kısmi pivotlamalı LU ayrıştırması, PA = LU"};
    EXPECT_EQ(textbookRows(example("uc-denklem.txt")), three);
    Lines spd = three;
    spd.push_back("Cholesky ayrıştırması, simetrik pozitif tanımlı matrisler için");
    EXPECT_EQ(textbookRows("3 4\n4 2 -2 2\n2 10 2 28\n-2 2 6 20\n"), spd);
}

// ---------------------------------------------------------------- x0, tol

struct IterationRun {
    Fixture f;
    Lines lines;
    std::optional<RunResult> result;
    IterationRun(Option option, const std::string& content, std::vector<double> x0, std::optional<double> tol,
                 std::string maxIter = "100", bool steps = false) {
        EXPECT_TRUE(f.session.loadFile(tempFile(content)));
        const std::size_t before = f.host.lines.size();
        RunRequest request{option, {}};
        request.params.maxIterText = std::move(maxIter);
        request.params.steps = steps;
        request.params.x0 = std::move(x0);
        request.params.tolerance = tol;
        result = f.session.hesapla(request);
        lines.assign(f.host.lines.begin() + static_cast<long>(before), f.host.lines.end());
    }
};

// The table of Jacobi's sweeps on the textbooks' 4 × 4 example from x0 = 0,
// as exact fractions rounded to four places.
TEST(CourseIterations, TheTextbookJacobiTableFromZero) {
    const Lines expected = {
        "0.6000 2.2727 -1.1000 1.8750",  "1.0473 1.7159 -0.8052 0.8852", "0.9326 2.0533 -1.0493 1.1309",
        "1.0152 1.9537 -0.9681 0.9738",  "0.9890 2.0114 -1.0103 1.0214", "1.0032 1.9922 -0.9945 0.9944",
        "0.9981 2.0023 -1.0020 1.0036",  "1.0006 1.9987 -0.9990 0.9989", "0.9997 2.0004 -1.0004 1.0006",
        "1.0001 1.9998 -0.9998 0.9998",
    };
    IterationRun r(Option::LesJacobi, example("kosegen-baskin.txt"), {0}, std::nullopt, "10", true);
    Lines table;
    for (std::size_t i = 0; i < r.lines.size(); ++i) {
        std::istringstream cells(r.lines[i]);
        std::string k, x1, x2, x3, x4;
        if (cells >> k >> x1 >> x2 >> x3 >> x4 && k == std::to_string(table.size() + 1))
            table.push_back(x1 + " " + x2 + " " + x3 + " " + x4);
    }
    EXPECT_EQ(table, expected);
    const Lines tail(r.lines.end() - 11, r.lines.end());
    EXPECT_EQ(tail, (Lines{"10 iterasyon adımı sonucunda", kRootsHeading, " ", " x(1) = 1.0001", " x(2) = 1.9998",
                           " x(3) = -0.9998", " x(4) = 0.9998", " ", "Maksimum hata = 0.000833", " ",
                           "Başlangıç vektörü: her bileşen 0"}));
}

TEST(CourseIterations, StartVectorAndToleranceAreSaidAndSizesChecked) {
    const std::string kosegen = example("kosegen-baskin.txt");
    IterationRun seidel(Option::LesGaussSidel, kosegen, {0, 0, 0, 0}, 0.001);
    EXPECT_EQ(seidel.lines[1], "5 iterasyon adımı sonucunda");
    EXPECT_EQ(Lines(seidel.lines.end() - 3, seidel.lines.end()),
              (Lines{" ", "Başlangıç vektörü: (0; 0; 0; 0)", "Durdurma ölçütü: maksimum değişim < 0.001"}));

    // Ones given are the default start: the same report, and a line more.
    IterationRun plain(Option::LesSORTextbook, kosegen, {}, std::nullopt);
    IterationRun ones(Option::LesSORTextbook, kosegen, {1}, std::nullopt);
    Lines withoutTrailer(ones.lines.begin(), ones.lines.end() - 2);
    EXPECT_EQ(withoutTrailer, plain.lines);

    IterationRun wrong(Option::LesSOR, kosegen, {0, 0}, std::nullopt);
    EXPECT_EQ(wrong.lines, Lines{});
    EXPECT_EQ(wrong.result->outcome, Outcome::Refused);
    EXPECT_EQ(wrong.f.host.messages, Lines{"Başlangıç vektörünün 2 bileşeni var: 4 denklem için 1 ya da 4 olmalı"});
}

// ---------------------------------------------------------------- exercises

bool strictlyDominant(const exercises::Exercise& e) {
    for (int i = 1; i <= e.n; ++i) {
        double off = 0;
        for (int j = 1; j <= e.n; ++j) off += j == i ? 0 : std::fabs(e.at(i, j));
        if (!(std::fabs(e.at(i, i)) > off)) return false;
    }
    return true;
}

TEST(Exercises, EveryKindKeepsItsPromisesOverManySeeds) {
    using exercises::Kind;
    for (Kind kind : {Kind::Integer, Kind::Dominant, Kind::Spd, Kind::Tridiagonal, Kind::Hilbert})
        for (int n : {1, 2, 3, 5, 8})
            for (std::uint64_t seed = 0; seed < 40; ++seed) {
                const exercises::Exercise e = exercises::generate(kind, n, seed);
                const std::string text = exercises::coefficientText(e);
                SCOPED_TRACE(text);
                ASSERT_EQ(text, exercises::coefficientText(exercises::generate(kind, n, seed)));
                Fixture f;
                ASSERT_TRUE(f.session.loadFile(tempFile(text)));
                ASSERT_EQ(f.ws().n, n);
                for (int i = 1; i <= n; ++i) {
                    // The file reads back as generated, and the integer roots
                    // solve it: exactly, or for Hilbert's decimals to a
                    // rounding of the right-hand side.
                    long double b = 0;
                    for (int j = 1; j <= n + 1; ++j) ASSERT_EQ(f.ws().A(i, j), e.at(i, j));
                    for (int j = 1; j <= n; ++j) b += static_cast<long double>(e.at(i, j)) * e.roots[j - 1];
                    if (kind == Kind::Hilbert) {
                        EXPECT_NEAR(static_cast<double>(b), e.at(i, n + 1), 1e-15 * std::fabs(e.at(i, n + 1)) + 1e-300);
                    } else {
                        EXPECT_EQ(static_cast<double>(b), e.at(i, n + 1));
                    }
                    for (int j = 1; j <= n; ++j) {
                        const double v = e.at(i, j);
                        EXPECT_EQ(v, kind == Kind::Hilbert ? 1.0 / (i + j - 1) : std::floor(v));
                        EXPECT_TRUE(kind != Kind::Spd || v == e.at(j, i));
                        EXPECT_TRUE(kind != Kind::Tridiagonal || std::abs(i - j) <= 1 || v == 0);
                    }
                }
                EXPECT_TRUE((kind != Kind::Dominant && kind != Kind::Tridiagonal) || strictlyDominant(e));
                // Plain Gauss elimination on `integer`, Cholesky on `spd`:
                // exact, no exchange needed.
                if (kind == Kind::Integer || kind == Kind::Spd) {
                    f.host.selected = kind == Kind::Integer ? Option::LesGauss : Option::LesCholesky;
                    f.session.hesapla(f.host.request());
                    ASSERT_EQ(f.host.messages, Lines{});
                    for (int i = 1; i <= n; ++i) EXPECT_EQ(f.ws().x(i), e.roots[i - 1]);
                }
            }
}

// The bytes of a seed do not depend on the machine: pinned here.
TEST(Exercises, ASeedGivesTheSameBytesEverywhereAndItsKey) {
    EXPECT_EQ(exercises::coefficientText(exercises::generate(exercises::Kind::Dominant, 3, 1)),
              "3 4\n4 -2 -1 15\n-4 6 -1 7\n-3 2 8 -46\n");
    EXPECT_EQ(exercises::coefficientText(exercises::generate(exercises::Kind::Hilbert, 2, 1)),
              "2 3\n1 0.5 5.5\n0.5 0.3333333333333333 3\n");
    EXPECT_NE(exercises::coefficientText(exercises::generate(exercises::Kind::Dominant, 3, 2)),
              exercises::coefficientText(exercises::generate(exercises::Kind::Dominant, 3, 1)));
    const exercises::Exercise e = exercises::generate(exercises::Kind::Dominant, 3, 1);
    std::ostringstream key;
    key << "Alıştırmanın cevapları: dominant, 3 denklem, tohum 1\n \n" << kRootsHeading << "\n \n";
    for (int i = 1; i <= 3; ++i) key << " x(" << i << ") = " << e.roots[i - 1] << "\n";
    const std::string answers = exercises::answersText(e, ".");
    EXPECT_EQ(answers.substr(0, key.str().size()), key.str());
    EXPECT_NE(answers.find("Jacobi iterasyonunun spektral yarıçapı ρ = 0."), std::string::npos) << answers;
    EXPECT_NE(answers.find("Gauss-Seidel iterasyonunun spektral yarıçapı ρ = 0."), std::string::npos) << answers;
}

}  // namespace
}  // namespace lineer::test
