// What is true of a run whatever its lines show: singular systems named
// with their case, determinants that round to 0 given in full, iterations
// that stop short or diverge; and the analysis in its corners. Expected
// figures were worked by hand, or at design time with numpy
// (numpy.linalg.eigvals, inv, svd on the same matrices), and are data here.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "analysis.h"
#include "cost.h"
#include "method_fixture.h"
#include "remarks.h"
#include "numformat.h"
#include "textnum.h"

namespace lineer::test {
namespace {

using namespace analysis;

std::unique_ptr<Workspace> workspace(const std::vector<std::vector<double>>& rows) {
    auto ws = std::make_unique<Workspace>();
    ws->n = static_cast<int>(rows.size());
    ws->m = static_cast<int>(rows[0].size());
    for (int i = 1; i <= ws->n; ++i)
        for (int j = 1; j <= ws->m; ++j) ws->A(i, j) = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
    return ws;
}

std::string example(const std::string& name) {
    std::ifstream in(std::string(LINEER_EXAMPLES) + "/" + name, std::ios::binary);
    return (std::ostringstream() << in.rdbuf()).str();
}

// Random systems whose matrices are regular and reasonably conditioned,
// their rows in units from 1E-200 to 1E+200: never a remark.
TEST(Truth, RandomRegularSystemsGetNoRemark) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> entry(-1, 1);
    std::uniform_int_distribution<int> size(1, 40), unit(-200, 200);
    int checked = 0;
    for (int run = 0; run < 600; ++run) {
        auto ws = std::make_unique<Workspace>();
        ws->n = size(rng);
        ws->m = ws->n + 1;
        for (int i = 1; i <= ws->n; ++i) {
            const double scale = run % 2 ? std::pow(10.0, unit(rng)) : 1;
            for (int j = 1; j <= ws->m; ++j) ws->A(i, j) = entry(rng) * scale;
        }
        if (condition(ws->A, ws->n).skeel > 1e6) continue;  // rare; not what this case is about
        ++checked;
        const MatrixTruth t = matrixTruth(*ws);
        ASSERT_FALSE(t.singular) << "run " << run << ", n = " << ws->n << ", rcond " << t.rcond;
        EXPECT_EQ(t.solutions, Solutions::Unique);
        EXPECT_TRUE(directRemarks(t, DirectUse::System, false).empty());
    }
    EXPECT_GT(checked, 550);
}

// A = X·Y with X = [I; random] and Y = [I | random] of rank r exactly, one
// equation then made a combination of the others (b consistent) or not
// (b off by one there); then mixed by integer row operations, exchanges of
// rows and of columns, and rows scaled by powers of two: the rank and the
// case stay, and the figures must find them.
TEST(Truth, RandomSingularSystemsBuiltByRankGetTheirCase) {
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<int> small(-3, 3), size(2, 24), twos(-60, 60);
    for (int run = 0; run < 400; ++run) {
        const int n = size(rng);
        const int r = 1 + static_cast<int>(rng() % static_cast<unsigned>(n - 1));
        const bool consistent = run % 2 == 0;
        std::vector<std::vector<double>> X(n, std::vector<double>(r)), Y(r, std::vector<double>(n)), M(n, std::vector<double>(n + 1));
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < r; ++k) X[i][k] = i < r ? (i == k) : small(rng);
        for (int k = 0; k < r; ++k)
            for (int j = 0; j < n; ++j) Y[k][j] = j < r ? (j == k) : small(rng);
        std::vector<double> y(n);
        for (double& v : y) v = small(rng);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < r; ++k) M[i][j] += X[i][k] * Y[k][j];
            for (int j = 0; j < n; ++j) M[i][n] += M[i][j] * y[j];
        }
        // Row n − 1 is a combination of rows 0..r−1 (X[n−1] says which):
        // moving its right-hand side makes the system inconsistent.
        if (!consistent) M[n - 1][n] += 1;
        for (int op = 0; op < 2 * n; ++op) {
            const auto a = rng() % n, b = rng() % n;
            if (a == b) continue;
            const int f = small(rng);
            for (int j = 0; j <= n; ++j) M[a][j] += f * M[b][j];
            std::swap(M[a], M[b]);
        }
        for (int op = 0; op < n; ++op) {
            const auto a = rng() % n, b = rng() % n;
            for (auto& row : M) std::swap(row[a], row[b]);
        }
        for (auto& row : M) {
            const int e = twos(rng);
            for (double& v : row) v = std::ldexp(v, e);
        }
        const MatrixTruth t = matrixTruth(*workspace(M));
        SCOPED_TRACE("run " + std::to_string(run) + ": n = " + std::to_string(n) + ", rank " + std::to_string(r));
        EXPECT_TRUE(t.singular);
        EXPECT_EQ(t.rank, r);
        EXPECT_EQ(t.solutions, consistent ? Solutions::Infinite : Solutions::None);
        if (consistent) EXPECT_EQ(t.freeVariables, n - r);
    }
}

TEST(Truth, RemarksOfDirectRunsInBothLanguages) {
    struct Case {
        std::vector<std::vector<double>> rows;
        DirectUse use;
        bool zeroPivot;  // the run's outcome
        const char* turkish;
        const char* english;
    };
    const Case cases[] = {
        {{{1, 2, 3, 6}, {4, 5, 6, 15}, {7, 8, 9, 25}}, DirectUse::Exchanging, false,
         "Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı 2, [A | b]'nin rankı 3); gösterilen "
         "köklere güvenilemez",
         "The coefficient matrix is singular: the system has no solution (the rank of A is 2, that of [A | b] 3); "
         "the roots shown cannot be trusted"},
        {{{1, 1, 1}, {1, 1, 2}}, DirectUse::System, true,
         "Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı 1, [A | b]'nin rankı 2)",
         "The coefficient matrix is singular: the system has no solution (the rank of A is 1, that of [A | b] 2)"},
        {{{1, 2, 3, 6}, {4, 5, 6, 15}, {7, 8, 9, 24}}, DirectUse::MaxPivot, false,
         "Katsayılar matrisi tekil: sonsuz çözüm var, 1 serbest değişken (A'nın ve [A | b]'nin rankı 2); "
         "gösterilen köklere güvenilemez",
         "The coefficient matrix is singular: there are infinitely many solutions (free variables: 1; the rank of A "
         "and of [A | b] is 2); the roots shown cannot be trusted"},
        {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, DirectUse::Inverse, false,
         "Matris tekil ya da çalışma duyarlığında tekil (rankı 2, boyutu 3): tersi yoktur; gösterilen matris bir "
         "ters değildir",
         "The matrix is singular or singular to working precision (rank 2, order 3): it has no inverse; the matrix "
         "shown is not one"},
        {{{0, 1, 1}, {1, 0, 1}}, DirectUse::System, true,
         "Köşegende sıfır çıktı, ama katsayılar matrisi tekil değil: pivotunu her adımda kalan satırlardan seçen "
         "yöntemler (Gauss-Jordan, kısmi ya da tam pivotlamalı Gauss, PA = LU) bu sistemi çözer",
         "A diagonal element came out 0, but the coefficient matrix is regular: the methods that choose each pivot "
         "from the remaining rows (Gauss-Jordan, Gauss elimination with partial or complete pivoting, PA = LU) "
         "solve this system"},
        {{{2, -3, 1, 0}, {-2, 3, 0, 1}, {0, 1, -2, 1}}, DirectUse::MaxPivot, true,
         "Katsayılar matrisi tekil değil: bu programın maksimum pivotlaması her pivotu eliminasyondan önce, "
         "yüklenen matristen seçer ve eliminasyonun ortaya çıkardığı sıfırı göremez; pivotu her adımda kalan "
         "bloktan seçen tam pivotlama ya da Gauss-Jordan bu sistemi çözer",
         "The coefficient matrix is regular: this program's maximum pivoting chooses every pivot from the loaded "
         "matrix before elimination and cannot see a zero that elimination brings about; complete pivoting, which "
         "takes each pivot from the remaining block, or Gauss-Jordan solves this system"},
        {{{4, 1, 5}, {1, 3, 4}}, DirectUse::System, false, "", ""},
    };
    for (const Case& c : cases) {
        const MatrixTruth t = matrixTruth(*workspace(c.rows));
        for (Language l : {Language::Turkish, Language::English}) {
            setLanguage(l);
            const auto lines = directRemarks(t, c.use, c.zeroPivot);
            const std::string want = l == Language::Turkish ? c.turkish : c.english;
            EXPECT_EQ(lines, want.empty() ? std::vector<std::string>{} : std::vector<std::string>{want});
        }
        setLanguage(Language::Turkish);
    }
    // 0 1 / 1 0 meets its zero at once; 2 −3 1 / −2 3 0 / ... only in step 2.
    EXPECT_EQ(firstZeroPivot(*workspace(cases[4].rows)), 1);
    EXPECT_EQ(firstZeroPivot(*workspace(cases[5].rows)), 2);
    EXPECT_EQ(firstZeroPivot(*workspace(cases[6].rows)), 0);
}

std::string hilbert(int n) {
    std::vector<std::vector<double>> rows(n, std::vector<double>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) rows[i][j] = 1.0 / (i + j + 1);
    return file(rows);
}

// Every remark "Hesapla" makes on the cases a lecturer tries first, the
// analysis off; and none on a good system.
TEST(Truth, RunsRemarkWhatTheirLinesHide) {
    const std::string noSolution = example("tekil.txt");
    const std::string singularSquare = "3 3\n1 2 3\n4 5 6\n7 8 9\n";
    const std::string parallel = "2 3\n1 1 1\n1 1 2\n";
    const std::string lateZero = "3 4\n2 -3 1 0\n-2 3 0 1\n0 1 -2 1\n";
    const std::string none =
        "Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı 2, [A | b]'nin rankı 3); gösterilen "
        "köklere güvenilemez";
    struct Case {
        const std::string& content;
        Option option;
        std::vector<std::string> remarks;
    };
    const Case cases[] = {
        {noSolution, Option::LesMPGauss, {none}},
        {noSolution, Option::LesGaussJordan, {none}},
        {noSolution, Option::LesGauss,
         {"Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı 2, [A | b]'nin rankı 3)"}},
        {singularSquare, Option::InvScrobanski,
         {"Matris tekil ya da çalışma duyarlığında tekil (rankı 2, boyutu 3): tersi yoktur; gösterilen matris bir "
          "ters değildir"}},
        {singularSquare, Option::DetGauss,
         {"Matris tekil ya da çalışma duyarlığında tekil (rankı 2, boyutu 3): determinantı 0'dır ya da 0'a "
          "yuvarlama hatası kadar yakındır"}},
        {parallel, Option::LesGauss,
         {"Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı 1, [A | b]'nin rankı 2)"}},
        {hilbert(4), Option::DetGauss,
         {"Determinantın tam değeri 1.653439153E-07: dört ondalığa yuvarlanınca görünmüyor; küçük bir "
          "determinant tekillik göstermez"}},
        {lateZero, Option::LesMPGauss,
         {"Katsayılar matrisi tekil değil: bu programın maksimum pivotlaması her pivotu eliminasyondan önce, "
          "yüklenen matristen seçer ve eliminasyonun ortaya çıkardığı sıfırı göremez; pivotu her adımda kalan "
          "bloktan seçen tam pivotlama ya da Gauss-Jordan bu sistemi çözer"}},
        {example("sifir-pivot.txt"), Option::LesDoolittle,
         {"Köşegende sıfır çıktı, ama katsayılar matrisi tekil değil: pivotunu her adımda kalan satırlardan "
          "seçen yöntemler (Gauss-Jordan, kısmi ya da tam pivotlamalı Gauss, PA = LU) bu sistemi çözer"}},
        {example("uc-denklem.txt"), Option::LesThomas,
         {"Matris üç köşegenli değil: üç köşegenin dışındaki 2 katsayı kullanılmadı, kökler dosyadaki sistemin "
          "kökleri olmayabilir"}},
        {example("uc-denklem.txt"), Option::LesGauss, {}},
        {example("uc-denklem.txt"), Option::InvScrobanski, {}},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.run(c.content, c.option);
        EXPECT_EQ(f.host.notes, c.remarks) << methodRow(c.option).cliName << " on\n" << c.content;
    }
    // The explained steps say why the maximum pivoting met its zero.
    Fixture steps;
    steps.host.steps = true;
    EXPECT_EQ(steps.run(lateZero, Option::LesMPGauss).back(),
              "Pivotlar eliminasyondan önce, yüklenen matristen seçildi: eliminasyonun köşegende bıraktığı sıfır "
              "önceden görülemezdi");
    setLanguage(Language::English);
    Fixture f;
    f.run(noSolution, Option::LesMPGauss);
    EXPECT_EQ(f.host.notes, std::vector<std::string>{"The coefficient matrix is singular: the system has no solution "
                                                     "(the rank of A is 2, that of [A | b] 3); the roots shown cannot "
                                                     "be trusted"});
    setLanguage(Language::Turkish);
}

// Random diagonally dominant systems of small integers: regular, no zero
// pivot, every iteration converges. No run of any method remarks on one.
TEST(Truth, NoMethodRemarksOnAGoodSystem) {
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<int> size(1, 12), entry(-4, 4);
    for (int run = 0; run < 60; ++run) {
        const int n = size(rng);
        std::vector<std::vector<double>> rows(n, std::vector<double>(n + 1));
        for (int i = 0; i < n; ++i) {
            double off = 0;
            for (int j = 0; j <= n; ++j) {
                rows[i][j] = entry(rng);
                if (j != i && j < n) off += std::fabs(rows[i][j]);
            }
            rows[i][i] = 2 * off + 1 + std::abs(entry(rng));
        }
        const std::string content = file(rows);
        for (const MethodRow& method : kMethods) {
            if (has(method.needs, Need::Tridiagonal) && n > 2) continue;
            Fixture f;
            f.run(content, optionOf(method));
            EXPECT_TRUE(f.host.notes.empty()) << method.cliName << " on\n" << content << f.host.notes.front();
        }
    }
}

// det H4 = 1/6048000 = 1.6534391534391535E-07 exactly; the elimination's
// 1.6534391534392112E-07 (the same in numpy's own loop) agrees to 13
// digits. det H10 = 2.1641792264314918E-53 exactly.
TEST(Truth, DeterminantsThatRoundToZeroAreGivenInFull) {
    Fixture f;
    const auto lines = f.run(hilbert(4), Option::DetGauss);
    EXPECT_EQ(lines.back(), "Matrisin determinantı = 0");
    EXPECT_EQ(determinantRemarks(determinantTruth(f.ws()), ","),
              std::vector<std::string>{"Determinantın tam değeri 1,653439153439E-07: dört ondalığa yuvarlanınca "
                                       "görünmüyor; küçük bir determinant tekillik göstermez"});
    f.run(hilbert(10), Option::DetGauss);
    EXPECT_EQ(formatSignificant(determinantTruth(f.ws()).value, 3, "."), "2.16E-53");
    // The elimination's 2.16448E-53 is right in its first digit only (κ is
    // about 1E+13): the remark shows no more. H4's keeps ten of its thirteen.
    ASSERT_TRUE(f.session.loadFile(tempFile(hilbert(10))));
    EXPECT_EQ(trustedDigits(matrixTruth(f.ws())), 1);
    ASSERT_TRUE(f.session.loadFile(tempFile(hilbert(4))));
    EXPECT_EQ(trustedDigits(matrixTruth(f.ws())), 10);
    for (double shown : {0.0, 0.0005, 0.0012, 2.7183, -6.0}) EXPECT_FALSE(determinantTruth(shown).hidden) << shown;
    for (double hidden : {0.00049, -0.00012, 1e-300}) EXPECT_TRUE(determinantTruth(hidden).hidden) << hidden;
    // Below the double's range the product itself reads 0; its remark keeps
    // the exponent (1E-200 squared is 9.999999999999999642E-401).
    EXPECT_EQ(f.run("2 2\n1E-200 0\n0 1E-200\n", Option::DetPivot).back(), "Matrisin determinantı = 0");
    EXPECT_EQ(determinantRemarks(determinantTruth(f.ws()), ",").front().rfind("Determinantın tam değeri 1E-400: ", 0), 0u);
    EXPECT_EQ(formatSignificantScaled(-0.75, -1400, 6, ","), "-2,71061E-422");
    EXPECT_EQ(formatSignificantScaled(0.5, 1500, 4, "."), "1.754E+451");
    EXPECT_EQ(formatSignificantScaled(0.5, -3, 4, "."), formatSignificant(0.0625, 4, "."));
}

// The remarks of an iteration run on `content`, as "Hesapla" makes them.
std::vector<std::string> iterationRemarksOf(const std::string& content, Option option, const std::string& limit,
                                            const std::string& w = "1") {
    Fixture f;
    f.host.maxIter = limit;
    f.host.w = w;
    f.run(content, option);
    return f.host.notes;
}


TEST(Truth, IterationsSayHowTheyEnded) {
    // tridiag(−1, 2, −1) x = 1 of order 10: x(i) = i(11 − i)/2, Jacobi's
    // ρ = cos(π/11) = 0.9595; 100 sweeps in plain Python leave the change
    // 0.0095922 and x(5) = 14.7728.
    std::string tridiag = "10 11\n";
    for (int i = 1; i <= 10; ++i) {
        for (int j = 1; j <= 10; ++j) tridiag += i == j ? "2 " : std::abs(i - j) == 1 ? "-1 " : "0 ";
        tridiag += "1\n";
    }
    EXPECT_EQ(iterationRemarksOf(tridiag, Option::LesJacobi, "100"),
              std::vector<std::string>{"İterasyon 100 adımda yakınsamadı: son değişim 0.00959, 0.00001 sınırının "
                                       "üstünde; gösterilen kökler çözüm değildir"});
    EXPECT_EQ(iterationRemarksOf(tridiag, Option::LesJacobi, "1000"), std::vector<std::string>{});
    // ρ = √5/2 (λ³ + 5λ/4 by hand).
    EXPECT_EQ(iterationRemarksOf(example("jacobi-iraksak.txt"), Option::LesJacobi, "100"),
              std::vector<std::string>{"İterasyon ıraksıyor: iterasyon matrisinin spektral yarıçapı ρ = 1.118 ≥ 1; "
                                       "gösterilen kökler çözüm değildir"});
    setLanguage(Language::English);
    EXPECT_EQ(iterationRemarksOf(tridiag, Option::LesSOR, "100", "abc"),
              std::vector<std::string>{"With ω = 0 every sweep restores the previous vector: the roots shown are the "
                                       "start vector"});
    EXPECT_EQ(iterationRemarksOf(tridiag, Option::LesGaussSidel, "0.5"),
              std::vector<std::string>{"The maximum number of iterations is below 1: no sweep ran, the roots shown "
                                       "are the start vector"});
    setLanguage(Language::Turkish);
}

// The analysis lines of a run, without the method's own.
std::vector<std::string> analysisOf(const std::string& content, Option option, const std::string& w = "1") {
    Fixture f;
    f.host.analysis = true;
    f.host.w = w;
    f.run(content, option);
    std::vector<std::string> out;
    for (std::size_t i : f.host.analysed) out.push_back(f.host.lines[i]);
    return out;
}

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(AnalysisCorners, EachCaseSaysWhatIsTrue) {
    // (a) Jacobi's eigenvalues ±0.809i, ±0.309i (numpy): ω_b = 2 / (1 + √(1 +
    // 0.809²)) = 0.87478, and ρ(ω) = 1 − ω up to it (numpy: ρ(0.874) =
    // 0.126, ρ(0.875) = 0.1373), so 0.874 is shown, not 0.875.
    const auto a = analysisOf("4 5\n2 1 0 0 1\n-1 2 1 0 1\n0 -1 2 1 1\n0 0 -1 2 1\n", Option::LesSORTextbook);
    EXPECT_TRUE(has(a, "Ders kitabındaki SOR'un en iyi ω değeri 0.874 (ρ = 0.126), Jacobi özdeğerleri sanal "
                       "olduğundan 2 / (1 + √(1 + ρ_J²)) formülünden, ρ_J = 0.809"));
    // (e) A 2 × 2 is tridiagonal: μ = ±0.87023i (numpy), ω_b = 0.85998, ρ =
    // 0.14002; numpy: ρ(0.86) = 0.1439, ρ(0.859) = 0.141.
    const auto e = analysisOf("2 3\n9.458124 5.88825 -1.934055\n2.964192 -2.43677 -3.957344\n", Option::LesSORTextbook);
    EXPECT_TRUE(has(e, "Ders kitabındaki SOR'un en iyi ω değeri 0.859 (ρ = 0.141), Jacobi özdeğerleri sanal "
                       "olduğundan 2 / (1 + √(1 + ρ_J²)) formülünden, ρ_J = 0.8702"));
    // (b) Gauss gives x = (0, 1); r = (0, 1), the componentwise backward
    // error 1/3 and Skeel's number 3 (numpy): no digit, and an unstable run.
    const auto b = analysisOf("2 3\n1E-20 1 1\n1 1 2\n", Option::LesGauss);
    EXPECT_TRUE(has(b, "Bileşen bazında geriye doğru hata max |r(i)| / (|A|·|x| + |b|)(i) = 0.333"));
    EXPECT_TRUE(has(b, "İleri hata sınırı 1'den küçük değil: sonucun hiçbir basamağına güvenilemez"));
    EXPECT_TRUE(has(b, std::string(text(Text::UnstableSolver))));
    // (c) T_J = [0 −2 2; −1 0 −1; −2 −2 0] has T³ = 0 (by hand); numpy's
    // eigenvalues are 1.1E-05 off 0.
    const auto c = analysisOf("3 4\n1 2 -2 1\n1 1 1 3\n2 2 1 5\n", Option::LesJacobi);
    EXPECT_TRUE(has(c, "İterasyon matrisi −D⁻¹(L + U): spektral yarıçap ρ = 0"));
    EXPECT_TRUE(has(c, "T^3 = 0 (sıfırkuvvetli matris): ρ = 0; iterasyon, yuvarlama hataları dışında, 3 adımda tam "
                       "çözüme ulaşır"));
    // (d) 1 2 / 2 4 is singular: T_J has the eigenvalues ±1.
    const auto d = analysisOf("2 3\n1 2 3\n2 4 6\n", Option::LesJacobi);
    EXPECT_TRUE(has(d, std::string(text(Text::SingularIterationLine))));
    EXPECT_TRUE(has(d, std::string(text(Text::DoesNotConvergeLine))));
    EXPECT_EQ(againstOne(0.99999999, "."), "0.99999999");
    EXPECT_EQ(againstOne(1.00000001, ","), "1,00000001");
    EXPECT_EQ(againstOne(0.8090169943749478, "."), "0.809");
    // (f) The first row in units of 1E+300: κ∞ = 2.3E+301, Skeel's number
    // 47.2 (numpy, of either form), the roots exactly 1.
    const auto f = analysisOf("3 4\n1E+300 2E+300 3E+300 6E+300\n4 5 7 16\n7 8 8 23\n", Option::LesGaussJordan);
    EXPECT_TRUE(has(f, "Skeel koşul sayısı cond(A) = ‖|A⁻¹|·|A|‖∞ = 47.2 (denklemlerin ölçeğinden bağımsız)"));
    EXPECT_FALSE(has(f, std::string(text(Text::SingularToPrecision))));
    EXPECT_TRUE(has(f, "Matris iyi koşullu: sonucun yaklaşık 14 ile 15 anlamlı basamağına güvenilebilir"));
}

// Where no ω converges the search says so: Jacobi's μ = ±√2 (real, ρ_J ≥ 1),
// and every SOR has ρ ≥ |ω − 1|.
TEST(AnalysisCorners, NoOmegaConvergesWhereJacobisRadiusIsAboveOne) {
    const auto best = optimalW(workspace({{1, 2, 3}, {1, 1, 2}})->A, 2, Iteration::SorTextbook);
    ASSERT_TRUE(best);
    EXPECT_FALSE(best->converges());
    EXPECT_EQ(best->why, Optimum::NoFormula::RhoJAtLeastOne);
    // μ = ±1 exactly (1 2 / 2 4), computed a rounding below 1: not Young's
    // ω = 1.99999997 with its ρ < 1, but ρ_J = 1 and no ω.
    const auto edge = optimalW(workspace({{1, 2, 3}, {2, 4, 6}})->A, 2, Iteration::SorTextbook);
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->rhoJ, 1);
    EXPECT_FALSE(edge->converges());
}

// Multiplications and divisions, counted by hand for n = 2 (m = 3), and
// the leading terms n³/3 of Gauss against n³/2 of Gauss-Jordan.
TEST(OperationCounts, SmallCasesByHandAndTheLeadingTerms) {
    struct Case {
        DirectMethod method;
        long long multiplications, divisions;
    };
    // Gauss: step 1 divides 3 columns, multiplies 3 into row 2; back-solving
    // 1 product, 2 quotients. Gauss-Jordan: 3 + 2 quotients, 3 + 2 products.
    // LU: step 2 forms U(2,2) and L(2,2) with one product each; the
    // substitutions 1 + 1 products, 2 + 2 quotients. Thomas: 3·1, 3·2 − 2.
    // The bordered inverse: k = 1 takes 3 + 3 products; two reciprocals.
    // PA = LU: step 1 divides 2 columns and forms 1 multiplier, multiplies
    // 2 into row 2; step 2 divides 1; the substitutions 1 + 1 products and
    // 2 quotients.
    const Case cases[] = {
        {DirectMethod::Gauss, 4, 5},  {DirectMethod::GaussJordan, 5, 5}, {DirectMethod::Doolittle, 4, 7},
        {DirectMethod::Thomas, 3, 4}, {DirectMethod::Determinant, 4, 2}, {DirectMethod::Inverse, 6, 2},
        {DirectMethod::LuPivot, 4, 6},
    };
    for (const Case& c : cases) {
        const OperationCount count = operationCount(c.method, 2, c.method == DirectMethod::Determinant ? 2 : 3);
        EXPECT_EQ(count.multiplications, c.multiplications) << static_cast<int>(c.method);
        EXPECT_EQ(count.divisions, c.divisions) << static_cast<int>(c.method);
    }
    const double n = 99;
    EXPECT_NEAR(operationCount(DirectMethod::Gauss, 99, 100).total() / (n * n * n / 3), 1, 0.05);
    EXPECT_NEAR(operationCount(DirectMethod::GaussJordan, 99, 100).total() / (n * n * n / 2), 1, 0.05);
}

}  // namespace
}  // namespace lineer::test
