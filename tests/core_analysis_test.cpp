// The analysis of a run: it leaves the method's own lines as they were, and
// its figures agree with computations made another way (long double by
// brute force, exact rationals, formulas worked out by hand). And the
// comparison table of the methods on the examples.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <numbers>
#include <random>
#include <sstream>

#include "analysis.h"
#include "method_fixture.h"
#include "numformat.h"
#include "reference.h"

namespace lineer::test {
namespace {

using analysis::Iteration;

std::string example(const std::string& name) {
    std::ifstream in(std::string(LINEER_EXAMPLES) + "/" + name, std::ios::binary);
    return (std::ostringstream() << in.rdbuf()).str();
}

std::unique_ptr<Workspace> loaded(const std::string& content) {
    auto ws = std::make_unique<Workspace>();
    TestHost host;
    Session session(host);
    EXPECT_TRUE(session.loadFile(tempFile(content)));
    *ws = session.asLoaded();
    return ws;
}

TEST(SignificantFigures, RoundOnTheBinaryValueAndSwitchToExponentsOutsideThePlainRange) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},           {35357439251992.0, "3.54E+13"}, {0.7406, "0.741"}, {1.5e-17, "1.5E-17"},
        {-2.5, "-2.5"},     {748.02, "748"},                {9999.6, "1E+04"}, {0.001234, "0.00123"},
        {0.0009996, "0.001"}, {12345, "1.23E+04"},          {1e300, "1E+300"}, {0.5, "0.5"},
    };
    for (const auto& [v, want] : cases) EXPECT_EQ(formatSignificant(v, 3, "."), want) << v;
    EXPECT_EQ(formatSignificant(1.23456e-5, 4, ","), "1,235E-05");
}

TEST(Analysis, LeavesEveryMethodsOwnLinesAndMessagesAsTheyWere) {
    std::mt19937_64 rng(23);
    for (int option = 0; option < kAllOptionCount; ++option) {
        const bool iterative = methodRow(static_cast<Option>(option)).usesMaxIter;
        int analysed = 0;
        for (int run = 0; run < 25; ++run) {
            const auto ws = randomSystem(rng, true);
            TestHost plain, withAnalysis;
            for (TestHost* h : {&plain, &withAnalysis}) {
                h->w = "1.3";
                h->steps = run % 3 == 0;
            }
            withAnalysis.analysis = true;
            runOnCopy(*ws, static_cast<Option>(option), plain);
            runOnCopy(*ws, static_cast<Option>(option), withAnalysis);
            SCOPED_TRACE("option " + std::to_string(option) + ", run " + std::to_string(run));
            EXPECT_TRUE(plain.analysed.empty());
            EXPECT_EQ(without(withAnalysis.lines, withAnalysis.analysed), plain.lines);
            EXPECT_EQ(withAnalysis.events, plain.events);
            // An iteration's a-priori part comes before its first sweep.
            if (iterative && !withAnalysis.analysed.empty()) {
                EXPECT_EQ(withAnalysis.analysed.front(), 0u);
            }
            analysed += static_cast<int>(withAnalysis.analysed.size());
        }
        EXPECT_GT(analysed, 0) << "option " << option;
    }
}

// ‖A‖∞‖A⁻¹‖∞ with the reference inverse in long double.
long double bruteKappa(const Workspace& ws) {
    const auto inverse = reference(ws).inverse;
    long double normA = 0, normInv = 0;
    for (int i = 0; i < ws.n; ++i) {
        long double sa = 0, si = 0;
        for (int j = 0; j < ws.n; ++j) {
            sa += std::fabs(static_cast<long double>(ws.A(i + 1, j + 1)));
            si += std::fabs(inverse[i][j]);
        }
        normA = std::max(normA, sa);
        normInv = std::max(normInv, si);
    }
    return normA * normInv;
}

TEST(Analysis, ConditionNumberAgreesWithABruteForceInverse) {
    std::string tenth = "100 100\n";
    for (int i = 1; i <= 100; ++i)
        for (int j = 1; j <= 100; ++j) tenth += i == j ? "0.1 " : "0 ";
    for (const std::string& content : {example("hilbert-10.txt"), example("ucgen-bantli.txt"),
                                       example("uc-denklem.txt"), example("buyuk-99.txt"), tenth}) {
        auto ws = loaded(content);
        const auto c = analysis::condition(ws->A, ws->n);
        ASSERT_FALSE(c.singular);
        EXPECT_NEAR(c.kappa / static_cast<double>(bruteKappa(*ws)), 1, 1e-5) << content.substr(0, 30);
    }
    // κ∞ of the Hilbert matrix as the file holds it (its entries rounded to
    // doubles), computed in exact rational arithmetic: 35354248023149.94;
    // the exact Hilbert matrix has 35357439251992.
    EXPECT_NEAR(analysis::condition(loaded(example("hilbert-10.txt"))->A, 10).kappa / 35354248023149.94, 1, 1e-6);
}

TEST(Analysis, HilbertSystemShowsItsConditionAndTwoToThreeTrustedDigits) {
    Fixture f;
    f.host.analysis = true;
    const auto lines = f.run(example("hilbert-10.txt"), Option::LesGauss);
    const std::vector<std::string> tail(lines.end() - 9, lines.end());
    // Skeel's number of the file's Hilbert matrix: 1.11E+13 (numpy); the
    // backward error is below ε, so the bound is 1.11E+13 · 2^-53.
    const std::vector<std::string> want = {
        " ",
        "Doğruluk analizi",
        "Artık r = b − A·x: en büyük |r(i)| = 1.64E-15",
        "Bağıl artık ‖r‖∞ / (‖A‖∞·‖x‖∞ + ‖b‖∞) = 4.17E-17 (geriye doğru hata)",
        "Bileşen bazında geriye doğru hata max |r(i)| / (|A|·|x| + |b|)(i) = 8.2E-17",
        "Koşul sayısı κ∞(A) = ‖A‖∞·‖A⁻¹‖∞ = 3.54E+13",
        "Skeel koşul sayısı cond(A) = ‖|A⁻¹|·|A|‖∞ = 1.11E+13 (denklemlerin ölçeğinden bağımsız)",
        "İleri hata sınırı cond(A)·(geriye doğru hata) = 0.00123",
        "Matris kötü koşullu: sonucun yalnızca yaklaşık 2 ile 3 anlamlı basamağına güvenilebilir",
    };
    EXPECT_EQ(tail, want);
}

TEST(Analysis, DeterminantAndInverseBesideTheirConditionInEnglishToo) {
    setLanguage(Language::English);
    Fixture f;
    f.host.analysis = true;
    auto det = f.run("2 2\n0.1 0\n0 0.1\n", Option::DetGauss);
    auto inv = f.run("2 2\n2 1\n1 1\n", Option::InvScrobanski);
    setLanguage(Language::Turkish);
    EXPECT_EQ(std::vector<std::string>(det.end() - 5, det.end()),
              (std::vector<std::string>{"Accuracy analysis", "Condition number κ∞(A) = ‖A‖∞·‖A⁻¹‖∞ = 1",
                                        "Skeel's condition number cond(A) = ‖|A⁻¹|·|A|‖∞ = 1 (independent of the "
                                        "equations' scaling)",
                                        "The matrix is well conditioned: about 15 to 16 significant digits of the "
                                        "result can be trusted",
                                        std::string(text(Text::SmallDeterminantNote, Language::English))}));
    // ‖A‖∞ = 3, ‖A⁻¹‖∞ = ‖[1 −1; −1 2]‖∞ = 3, |A⁻¹|·|A| = [3 2; 4 3], and
    // the inverse is exact.
    EXPECT_EQ(std::vector<std::string>(inv.end() - 4, inv.end()),
              (std::vector<std::string>{"Check of the inverse: ‖A·A⁻¹ − I‖∞ = 0",
                                        "Condition number κ∞(A) = ‖A‖∞·‖A⁻¹‖∞ = 9",
                                        "Skeel's condition number cond(A) = ‖|A⁻¹|·|A|‖∞ = 7 (independent of the "
                                        "equations' scaling)",
                                        "The matrix is well conditioned: about 15 to 16 significant digits of the "
                                        "result can be trusted"}));
}

// 2x1 − x2 + x3 = −1, 2x1 + 2x2 + 2x3 = 4, −x1 − x2 + 2x3 = −5: the
// characteristic polynomial of Jacobi's matrix is λ³ + 5λ/4 (ρ = √5/2), of
// Gauss-Seidel's λ(λ + 1/2)² (ρ = 1/2).
TEST(Analysis, JacobiDivergesWhereGaussSeidelConverges) {
    auto ws = loaded(example("jacobi-iraksak.txt"));
    EXPECT_NEAR(*analysis::spectralRadius(ws->A, 3, Iteration::Jacobi), std::sqrt(5.0) / 2, 1e-12);
    EXPECT_NEAR(*analysis::spectralRadius(ws->A, 3, Iteration::GaussSeidel), 0.5, 1e-7);

    Fixture f;
    f.host.analysis = true;
    f.host.steps = true;
    const auto lines = f.run(example("jacobi-iraksak.txt"), Option::LesJacobi);
    // Before the first sweep's table line.
    const std::vector<std::string> head(lines.begin(), lines.begin() + 6);
    EXPECT_EQ(head, (std::vector<std::string>{
                        " ", "Yakınsama analizi", "Köşegen baskınlığı yok; |A(i,i)| < Σ |A(i,j)| olan satırlar: 2",
                        "A = L + D + U (L alt üçgen, D köşegen, U üst üçgen kısım)",
                        "İterasyon matrisi −D⁻¹(L + U): spektral yarıçap ρ = 1.118",
                        "ρ ≥ 1: iterasyon her başlangıç vektöründen yakınsamaz"}));
    // Then the explanations' group, the limit and the table.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 9),
              (std::vector<std::string>{" ", "Adımlar", "Maksimum iterasyon sayısı: 100"}));
    EXPECT_EQ(lines[9].substr(0, 7), "  Adım");
}

// tridiag(−1, 2, −1) of order 20: Jacobi's eigenvalues are μ = cos(kπ/21),
// Gauss-Seidel's μ² and 0. So this program's SOR has the eigenvalues
// 1 − ω(1 − μ²) and 1 − ω, the textbook SOR has ρ = ω − 1 from
// ω_opt = 2 / (1 + sin(π/21)) on, and below it
// ((ωμ₁ + √(ω²μ₁² − 4(ω − 1))) / 2)².
TEST(Analysis, TheTwoSorMatricesOnTheSecondDifferenceMatrix) {
    std::string file = "20 21\n";
    for (int i = 1; i <= 20; ++i) {
        for (int j = 1; j <= 20; ++j) file += i == j ? "2 " : std::abs(i - j) == 1 ? "-1 " : "0 ";
        file += "1\n";
    }
    auto ws = loaded(file);
    const double pi = std::numbers::pi;
    const double mu = std::cos(pi / 21);
    const double wOpt = 2 / (1 + std::sin(pi / 21));
    auto program = [&](double w) {
        double r = std::fabs(1 - w);
        for (int k = 1; k <= 20; ++k) r = std::max(r, std::fabs(1 - w * std::pow(std::sin(k * pi / 21), 2)));
        return r;
    };
    auto textbook = [&](double w) {
        return w >= wOpt ? w - 1 : std::pow((w * mu + std::sqrt(w * w * mu * mu - 4 * (w - 1))) / 2, 2);
    };
    for (double w : {0.8, 1.2, 1.7406, 1.9}) {
        EXPECT_NEAR(*analysis::spectralRadius(ws->A, 20, Iteration::Sor, w), program(w), 1e-6) << w;
        // Near ω_opt the textbook matrix is defective, and its computed
        // eigenvalues are good to about the square root of the precision.
        EXPECT_NEAR(*analysis::spectralRadius(ws->A, 20, Iteration::SorTextbook, w), textbook(w), 1e-6) << w;
    }
    const auto classical = analysis::optimalW(ws->A, 20, Iteration::SorTextbook);
    ASSERT_TRUE(classical && classical->classical);
    // The ω shown is ω_opt rounded up to four digits, where ρ = ω − 1 holds
    // (below ω_opt ρ rises steeply: at 1.740 it is 0.756).
    EXPECT_EQ(classical->digits, 4);
    EXPECT_EQ(classical->w, 1.741);
    EXPECT_NEAR(classical->rho, textbook(classical->w), 1e-12);
    // This SOR's best ω, 2 / (1 + sin²(π/21)) = 1.9565, where its ρ is 0.9565:
    // the computed zero eigenvalues of T_GS, one Jordan block of ten, stray
    // up to about 0.03 from 0, which moves ω but hardly ρ. The ω shown
    // converges at 99% of the best rate at least.
    const auto own = analysis::optimalW(ws->A, 20, Iteration::Sor);
    const double best = 2 / (1 + std::pow(std::sin(pi / 21), 2));
    EXPECT_NEAR(own->w, best, 0.02);
    EXPECT_NEAR(own->rho, program(own->w), 1e-6);
    EXPECT_LE(std::log(own->rho), 0.99 * std::log(best - 1));
}

TEST(Analysis, SorSaysWhatItIsBesideTheTextbooksFigures) {
    Fixture f;
    f.host.analysis = true;
    f.host.w = "1.2";
    const auto lines = f.run(example("ucgen-bantli.txt"), Option::LesSOR);
    // tridiag(−1, 2, −1) of order 5: μ₁ = cos(π/6), ρ_J = 0.8660, ω_opt =
    // 2 / (1 + 1/2) = 4/3; T_GS has the eigenvalues 3/4, 1/4 and 0, so this
    // SOR's are 1 − 0.25ω, 1 − 0.75ω and 1 − ω, least at ω = 2 / 1.25; the
    // textbook's at ω = 1.2 is ((1.2μ₁ + √(1.44μ₁² − 0.8)) / 2)² = 0.61495.
    // Its best ω is shown rounded up, 1.334, where ρ = ω − 1 holds; at 1.333
    // ρ would be 0.3552, not 0.3333.
    const std::vector<std::string> want = {
        " ", "Yakınsama analizi", "Köşegen baskınlığı: zayıf; |A(i,i)| = Σ |A(i,j)| olan satırlar: 2, 3, 4",
        "A = L + D + U (L alt üçgen, D köşegen, U üst üçgen kısım)",
        "İterasyon matrisi ω·T_GS + (1 − ω)·I, ω = 1.2: spektral yarıçap ρ = 0.7",
        "ρ < 1: iterasyon her başlangıç vektöründen yakınsar; hatayı 10⁻⁶ katına indirmek için yaklaşık 39 adım "
        "gerekir (−6 / log10 ρ)",
        std::string(text(Text::SorRelaxesAfterSweep)), "Bu SOR için ρ'yu en küçük yapan ω = 1.6 (ρ = 0.6)",
        "Ders kitabındaki SOR, ω = 1.2: ρ = 0.615",
        "Ders kitabındaki SOR'un en iyi ω değeri 1.334 (ρ = 0.334), 2 / (1 + √(1 − ρ_J²)) formülünden, ρ_J = 0.866"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(want.size())), want);
}

// The cells of a table line, apart where three or more spaces stand.
std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t gap = line.find("   ", at);
        out.push_back(line.substr(at, gap == std::string::npos ? std::string::npos : gap - at));
        if (gap == std::string::npos) break;
        at = line.find_first_not_of(' ', gap);
    }
    return out;
}

// The table of every example, the time column masked: its shape, the
// outcome of every method, and the reference the differences are from.
TEST(Compare, TablesOfTheExamples) {
    struct Case {
        const char* file;
        std::vector<std::string> outcomes;  // one per row, in order
        const char* reference;
    };
    const std::string s = "çözüldü", z = "sıfır pivot", nc = "sınırda yakınsamadı", t = "tekil matris";
    const Case cases[] = {
        {"uc-denklem.txt", {s, s, s, s, s, nc, nc, nc, nc, s}, "Gauss eliminasyon yöntemi"},
        {"kosegen-baskin.txt", {s, s, s, s, s, s, s, s, s, s}, "Gauss eliminasyon yöntemi"},
        {"ucgen-bantli.txt", {s, s, s, s, s, s, s, s, s, s, s}, "Jacobi basit iterasyon yöntemi"},
        {"sifir-pivot.txt", {z, s, s, z, z, z, z, z, z}, "Maksimum pivotlu Gauss eliminasyonu"},
        {"jacobi-iraksak.txt", {s, s, s, s, s, nc, s, s, s, s}, "Gauss eliminasyon yöntemi"},
        {"hilbert-10.txt", {s, s, s, s, s, nc, nc, nc, nc, nc}, "Doolittle LU ayrıştırma yöntemi"},
        // Singular: what the exchanging methods print solves nothing.
        {"tekil.txt", {z, t, t, z, z, nc, nc, nc, nc, nc}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TestHost host;
        Session session(host);
        ASSERT_TRUE(session.loadFile(std::string(LINEER_EXAMPLES) + "/" + c.file));
        const std::size_t before = host.lines.size();
        session.compare(host.request());
        const std::vector<std::string> lines(host.lines.begin() + static_cast<long>(before), host.lines.end());
        const std::size_t rows = c.outcomes.size();
        ASSERT_GE(lines.size(), rows + 6);
        EXPECT_EQ(lines[1], "Yöntemlerin karşılaştırılması");
        EXPECT_EQ(cells(lines[3]), (std::vector<std::string>{"Yöntem", "Sonuç", "Adım", "Bağıl artık",
                                                              "En büyük fark", "Çarpma ve bölme"}));
        for (std::size_t r = 0; r < rows; ++r) {
            const auto row = cells(lines[4 + r]);
            ASSERT_EQ(row.size(), 6u) << lines[4 + r];
            EXPECT_EQ(row[1], c.outcomes[r]) << lines[4 + r];
        }
        EXPECT_EQ(lines[4 + rows], " ");
        EXPECT_EQ(lines[5 + rows], c.reference ? format(Text::CompareReference, std::string(c.reference))
                                               : std::string(text(Text::CompareNoReference)));
        EXPECT_TRUE(session.loaded()) << "the comparison leaves the loaded flag";
    }
    {
        // The multiplications and divisions by hand for three equations:
        // Gauss 8 + 3 + 3 and 4 + 3 + 3, Gauss-Jordan 2·(4 + 3 + 2) and
        // 4 + 3 + 2; Jacobi's 100 sweeps 3·2 + 3 each.
        TestHost host;
        Session session(host);
        ASSERT_TRUE(session.loadFile(std::string(LINEER_EXAMPLES) + "/uc-denklem.txt"));
        const std::size_t before = host.lines.size();
        session.compare(host.request());
        EXPECT_EQ(cells(host.lines[before + 4]).back(), "24");
        EXPECT_EQ(cells(host.lines[before + 6]).back(), "27");
        EXPECT_EQ(cells(host.lines[before + 9]).back(), "900");
    }
    TestHost host;
    Session session(host);
    ASSERT_TRUE(session.loadFile(std::string(LINEER_EXAMPLES) + "/buyuk-100.txt"));
    session.compare(host.request());
    EXPECT_EQ(host.lines.back(), text(Text::CompareNeedsSystem));
}

}  // namespace
}  // namespace lineer::test
