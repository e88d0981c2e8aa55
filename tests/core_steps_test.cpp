// Explained steps: the lines a method inserts when the user asks to see the
// working, and that they leave the method's own lines exactly as they were.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>

#include "method_fixture.h"
#include "steps.h"

namespace lineer::test {
namespace {

// A column is read through its matrix's rows. Evaluated at compile time,
// where walking from row 0 past its end into the rows below is an error.
constexpr double lastOfColumn(int j) {
    Matrix M;
    M.a[kMaxIndex][j] = 7;
    return steps::columnOf(M, j)[kMaxIndex] + steps::rowOf(M, kMaxIndex)[j];
}
static_assert(lastOfColumn(1) == 14 && lastOfColumn(kMaxIndex) == 14);

TEST(ExplainedSteps, LeaveEveryMethodsOwnLinesAndMessagesAsTheyWere) {
    std::mt19937_64 rng(16);
    for (int option = 0; option < kOptionCount; ++option) {
        int explanations = 0;
        for (int run = 0; run < 40; ++run) {
            const auto ws = randomSystem(rng, false);
            TestHost plain, explained;
            for (TestHost* h : {&plain, &explained}) {
                h->maxIter = run % 5 == 0 ? "150" : "100";
                h->w = "1.2";
            }
            explained.steps = true;
            runOnCopy(*ws, static_cast<Option>(option), plain);
            runOnCopy(*ws, static_cast<Option>(option), explained);
            SCOPED_TRACE("option " + std::to_string(option) + ", run " + std::to_string(run));
            EXPECT_TRUE(plain.explained.empty());
            EXPECT_EQ(without(explained.lines, explained.explained), plain.lines);
            EXPECT_EQ(explained.events, plain.events);
            explanations += static_cast<int>(explained.explained.size());
        }
        EXPECT_GT(explanations, 0) << "option " << option;
    }
}

// Whole transcripts of small worked examples, the method's lines after the
// load listing. Checked by hand: Gauss's multipliers are -3/2, -2/2 and then
// 2/0.5 on the reduced third row, its roots (1 + 0.5)/0.5 = 3 and
// (8 - 3 - 1)/2 = 2; the determinant is 2 × 0.5 × (-1); the maximum search
// takes -3 at (2, 1), then 2 at (3, 3); Doolittle's U(3,3) = 2 - 1 - 4 × 0.5;
// Thomas's β(3) = 2 - 1 × 2/0.5 and γ(3) = -3 - 1 × 1/0.5; the bordering
// steps give c = -3 × 0.5, d = -1 + 1.5, then c = (-2, 1)·[-1 -1; 3 2] =
// (5, 4); the sweeps of 10x1 + x2 = 12, 2x1 + 10x2 = 22 start from (1, 1):
// Jacobi (11/10, 20/10), Gauss-Seidel (1.1, (22 - 2.2)/10), SOR with 1.5
// (1.5 × 1.1 - 0.5, 1.5 × 1.98 - 0.5). Every group of explanations starts
// with " " and "Adımlar". Thomas: β(2) = -1 + 3 × 1/2 = 0.5, γ(2) = -11 +
// 3 × 8/2 = 1, β(3) = 2 - 1 × 2/0.5 = -2, γ(3) = -3 - 1 × 1/0.5 = -5, then
// x(3) = -5/-2, x(2) = (1 - 2 × 2.5)/0.5, x(1) = (8 + 8)/2. The inverse:
// r = (-3), u = (1), a = -1, so d = -1 + 1.5; the enlarged inverses are
// [-1 -1; 3 2] (of [2 1; -3 -1]) and the final one; d of step 2 is
// 2 - (5 × (-1) + 4 × 2).
struct Worked {
    Option option;
    const char* file;
    const char* limit;
    const char* w;
    std::vector<std::string> lines;
};

const char* const kThree = "3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n";
const char* const kTwo = "2 3\n10 1 12\n2 10 22\n";

const Worked kWorked[] = {
    {Option::LesGauss, kThree, "100", "1",
      {" ", "Adımlar", "2. satır ← 2. satır − (-1.5000) × 1. satır", "3. satır ← 3. satır − (-1.0000) × 1. satır",
       "3. satır ← 3. satır − 4.0000 × 2. satır", " ", "Üst-üçgenselleştirilmiş matris", " ",
       "2.0000   1.0000   -1.0000   8.0000   ", " 0.         0.5000   0.5000   1.0000   ",
       " 0.          0.         -1.0000   1.0000   ", " ", "Adımlar", "x(3) = 1.0000 / (-1.0000) = -1.0000",
       "x(2) = (1.0000 − 0.5000 × (-1.0000)) / 0.5000 = 3.0000",
       "x(1) = (8.0000 − 1.0000 × 3.0000 − (-1.0000) × (-1.0000)) / 2.0000 = 2.0000", " ",
       "Lineer denklem takımının kökleri", " ", " x(1) = 2.0000", " x(2) = 3.0000", " x(3) = -1.0000",}},
    {Option::DetGauss, kThree, "100", "1",
      {" ", "Adımlar", "2. satır ← 2. satır − (-1.5000) × 1. satır", "3. satır ← 3. satır − (-1.0000) × 1. satır",
       "3. satır ← 3. satır − 4.0000 × 2. satır", " ", "Üst-üçgenselleştirilmiş matris", " ",
       "2.0000   1.0000   -1.0000   8.0000   ", " 0.         0.5000   0.5000   -11.0000   ",
       " 0.          0.         -1.0000   -3.0000   ", " ", "Adımlar", "Köşegen elemanlarının çarpımı: 2.0000 × 0.5000 × (-1.0000)",
       " ", "Matrisin determinantı = -1",}},
    {Option::LesMPGauss, kThree, "100", "1",
      {" ", "Adımlar", "1. adım: en büyük eleman -3.0000 (2. satır, 1. sütun)", "1. ve 2. satırlar yer değiştirdi",
       "2. adım: en büyük eleman 2.0000 (3. satır, 3. sütun)", "2. ve 3. sütunlar yer değiştirdi",
       "2. ve 3. satırlar yer değiştirdi", "3. adım: en büyük eleman 1.0000 (3. satır, 3. sütun)", " ",
       "Pivotlanmış matris", " ", "-3.0000   2.0000   -1.0000   -11.0000   ",
       "-2.0000   2.0000   1.0000   -3.0000   ", "2.0000   -1.0000   1.0000   8.0000   ",
       " ", "Adımlar", "2. satır ← 2. satır − 0.6667 × 1. satır", "3. satır ← 3. satır − (-0.6667) × 1. satır",
       "3. satır ← 3. satır − 0.5000 × 2. satır", " ", "Üst-üçgenselleştirilmiş matris", " ",
       "-3.0000   2.0000   -1.0000   -11.0000   ", " 0.         0.6667   1.6667   4.3333   ",
       " 0.          0.         -0.5000   -1.5000   ", " ", "Adımlar", "x(3) = -1.5000 / (-0.5000) = 3.0000",
       "x(2) = (4.3333 − 1.6667 × 3.0000) / 0.6667 = -1.0000",
       "x(1) = (-11.0000 − 2.0000 × (-1.0000) − (-1.0000) × 3.0000) / (-3.0000) = 2.0000", " ",
       "Lineer denklem takımının kökleri", " ", " x(1) = 2.0000", " x(2) = -1.0000", " x(3) = 3.0000",
       " ", "Adımlar", "Bu kökler sütun değişimlerinden sonraki sırada; sıralanmış kökler aşağıda",
       "x(2) ile x(3) yer değiştirdi", " ", "Lineer denklem takımının sıralanmış kökleri", " ", " x(1) = 2.0000",
       " x(2) = 3.0000", " x(3) = -1.0000",}},
    {Option::LesDoolittle, kThree, "100", "1",
      {" ", "Adımlar", "U(1,1) = 2.0000", "U(1,2) = 1.0000", "U(1,3) = -1.0000", "L(1,1) = 2.0000 / 2.0000 = 1.0000",
       "L(2,1) = -3.0000 / 2.0000 = -1.5000", "L(3,1) = -2.0000 / 2.0000 = -1.0000",
       "U(2,2) = -1.0000 − (-1.5000) × 1.0000 = 0.5000", "U(2,3) = 2.0000 − (-1.5000) × (-1.0000) = 0.5000",
       "L(2,2) = (-1.0000 − (-1.5000) × 1.0000) / 0.5000 = 1.0000",
       "L(3,2) = (1.0000 − (-1.0000) × 1.0000) / 0.5000 = 4.0000",
       "U(3,3) = 2.0000 − (-1.0000) × (-1.0000) − 4.0000 × 0.5000 = -1.0000",
       "L(3,3) = (2.0000 − (-1.0000) × (-1.0000) − 4.0000 × 0.5000) / (-1.0000) = 1.0000", " ", "Alt-üçgensel matris",
       " ", "1.0000    0.          0.         ", "-1.5000   1.0000    0.         ", "-1.0000   4.0000   1.0000   ",
       " ", "Üst-üçgensel matris", " ", "2.0000   1.0000   -1.0000   ", " 0.         0.5000   0.5000   ",
       " 0.          0.         -1.0000   ", " ", "Adımlar", "y(1) = 8.0000 / 1.0000 = 8.0000",
       "y(2) = (-11.0000 − (-1.5000) × 8.0000) / 1.0000 = 1.0000",
       "y(3) = (-3.0000 − (-1.0000) × 8.0000 − 4.0000 × 1.0000) / 1.0000 = 1.0000",
       "x(3) = 1.0000 / (-1.0000) = -1.0000", "x(2) = (1.0000 − 0.5000 × (-1.0000)) / 0.5000 = 3.0000",
       "x(1) = (8.0000 − 1.0000 × 3.0000 − (-1.0000) × (-1.0000)) / 2.0000 = 2.0000", " ",
       "Lineer denklem takımının sıralanmış kökleri", " ", " x(1) = 2.0000", " x(2) = 3.0000", " x(3) = -1.0000",}},
    {Option::LesCrout, kThree, "100", "1",
      {" ", "Adımlar", "L(1,1) = 2.0000", "L(2,1) = -3.0000", "L(3,1) = -2.0000", "U(1,1) = 2.0000 / 2.0000 = 1.0000",
       "U(1,2) = 1.0000 / 2.0000 = 0.5000", "U(1,3) = -1.0000 / 2.0000 = -0.5000",
       "L(2,2) = -1.0000 − (-3.0000) × 0.5000 = 0.5000", "L(3,2) = 1.0000 − (-2.0000) × 0.5000 = 2.0000",
       "U(2,2) = (-1.0000 − (-3.0000) × 0.5000) / 0.5000 = 1.0000",
       "U(2,3) = (2.0000 − (-3.0000) × (-0.5000)) / 0.5000 = 1.0000",
       "L(3,3) = 2.0000 − (-2.0000) × (-0.5000) − 2.0000 × 1.0000 = -1.0000",
       "U(3,3) = (2.0000 − (-2.0000) × (-0.5000) − 2.0000 × 1.0000) / (-1.0000) = 1.0000", " ", "Alt-üçgensel matris",
       " ", "2.0000    0.          0.         ", "-3.0000   0.5000    0.         ", "-2.0000   2.0000   -1.0000   ",
       " ", "Üst-üçgensel matris", " ", "1.0000   0.5000   -0.5000   ", " 0.         1.0000   1.0000   ",
       " 0.          0.         1.0000   ", " ", "Adımlar", "y(1) = 8.0000 / 2.0000 = 4.0000",
       "y(2) = (-11.0000 − (-3.0000) × 4.0000) / 0.5000 = 2.0000",
       "y(3) = (-3.0000 − (-2.0000) × 4.0000 − 2.0000 × 2.0000) / (-1.0000) = -1.0000",
       "x(3) = -1.0000 / 1.0000 = -1.0000", "x(2) = (2.0000 − 1.0000 × (-1.0000)) / 1.0000 = 3.0000",
       "x(1) = (4.0000 − 0.5000 × 3.0000 − (-0.5000) × (-1.0000)) / 1.0000 = 2.0000", " ",
       "Lineer denklem takımının sıralanmış kökleri", " ", " x(1) = 2.0000", " x(2) = 3.0000", " x(3) = -1.0000",}},
    {Option::LesThomas, kThree, "100", "1",
      {" ", "Dikdörgenselleştirilmiş katsayılar matrisi", " ", " 0.0000   2.0000   1.0000   8.0000",
       "-3.0000   -1.0000   2.0000   -11.0000", "1.0000   2.0000     0.0000   -3.0000", " ", "Adımlar",
       "a: alt köşegen, b: köşegen, c: üst köşegen, d: sağ taraf", "İleri süpürme: β(i) ve γ(i)",
       "β(1) = b(1) = 2.0000", "γ(1) = d(1) = 8.0000",
       "β(2) = b(2) − a(2) × c(1) / β(1) = -1.0000 − (-3.0000) × 1.0000 / 2.0000 = 0.5000",
       "γ(2) = d(2) − a(2) × γ(1) / β(1) = -11.0000 − (-3.0000) × 8.0000 / 2.0000 = 1.0000",
       "β(3) = b(3) − a(3) × c(2) / β(2) = 2.0000 − 1.0000 × 2.0000 / 0.5000 = -2.0000",
       "γ(3) = d(3) − a(3) × γ(2) / β(2) = -3.0000 − 1.0000 × 1.0000 / 0.5000 = -5.0000",
       "x(3) = γ(3) / β(3) = -5.0000 / (-2.0000) = 2.5000",
       "x(2) = (γ(2) − c(2) × x(3)) / β(2) = (1.0000 − 2.0000 × 2.5000) / 0.5000 = -8.0000",
       "x(1) = (γ(1) − c(1) × x(2)) / β(1) = (8.0000 − 1.0000 × (-8.0000)) / 2.0000 = 8.0000", " ",
       "Lineer denklem takımının kökleri", " ", " x(1) = 8.0000", " x(2) = -8.0000", " x(3) = 2.5000",}},
    {Option::InvScrobanski, kThree, "100", "1",
      {" ", "Adımlar", "A(1,1) = 1.0000 / 2.0000 = 0.5000", " ", "1. adım: 2. satır ve sütun eklenir",
       "B: ilk 1 satır ve sütunun bloğu; B⁻¹ onun tersi, A(1..1,1..1) içinde", "r: 2. satırın ilk 1 elemanı = (-3.0000)",
       "u: 2. sütunun ilk 1 elemanı = (1.0000)", "a: köşe elemanı A(2,2) = -1.0000", "c = r·B⁻¹ = (-1.5000)",
       "d = a − c·u = -1.0000 − (-1.5000) × 1.0000 = 0.5000", "δ = 1 / d = 2.0000", "yeni 2. satır = −δ·c = (3.0000)",
       "c = −B⁻¹·u = (-0.5000)", "yeni 2. sütun = δ·c = (-1.0000)", "İlk 2 satır ve sütunun bloğunun tersi:",
       "-1.0000   -1.0000   ", "3.0000   2.0000   ", " ", "2. adım: 3. satır ve sütun eklenir",
       "B: ilk 2 satır ve sütunun bloğu; B⁻¹ onun tersi, A(1..2,1..2) içinde",
       "r: 3. satırın ilk 2 elemanı = (-2.0000; 1.0000)", "u: 3. sütunun ilk 2 elemanı = (-1.0000; 2.0000)",
       "a: köşe elemanı A(3,3) = 2.0000", "c = r·B⁻¹ = (5.0000; 4.0000)",
       "d = a − c·u = 2.0000 − 5.0000 × (-1.0000) − 4.0000 × 2.0000 = -1.0000", "δ = 1 / d = -1.0000",
       "yeni 3. satır = −δ·c = (5.0000; 4.0000)", "c = −B⁻¹·u = (1.0000; -1.0000)",
       "yeni 3. sütun = δ·c = (-1.0000; 1.0000)", "İlk 3 satır ve sütunun bloğunun tersi:",
       "4.0000   3.0000   -1.0000   ", "-2.0000   -2.0000   1.0000   ", "5.0000   4.0000   -1.0000   ", " ",
       "Ters matris", " ", "4.0000   3.0000   -1.0000   8.0000   ", "-2.0000   -2.0000   1.0000   -11.0000   ",
       "5.0000   4.0000   -1.0000   -3.0000   ",}},
    // Multipliers of exactly 0: rows 2 and 3 in step 1, row 3 in step 2.
    {Option::DetGauss, "3 3\n2 1 1\n0 1 1\n0 0 3\n", "100", "1",
      {" ", "Adımlar", "Çarpanı 0 olan satırlar değişmedi: 2, 3", "Çarpanı 0 olan satırlar değişmedi: 3", " ",
       "Üst-üçgenselleştirilmiş matris", " ", "2.0000   1.0000   1.0000   ", " 0.         1.0000   1.0000   ",
       " 0.          0.         3.0000   ", " ", "Adımlar", "Köşegen elemanlarının çarpımı: 2.0000 × 1.0000 × 3.0000",
       " ", "Matrisin determinantı = 6",}},
    {Option::LesGaussJordan, kTwo, "100", "1",
      {" ", "Adımlar", "1. satır ← 1. satır / 10.0000", " ", "1.0000   0.1000   1.2000   ", "2.0000   10.0000   22.0000   ",
       " ", "Adımlar", "2. satır ← 2. satır − 2.0000 × 1. satır", " ", "1.0000   0.1000   1.2000   ",
       " 0.         9.8000   19.6000   ", " ", "Adımlar", "2. satır ← 2. satır / 9.8000", " ", "1.0000   0.1000   1.2000   ",
       " 0.         1.0000   2.0000   ", " ", "Adımlar", "1. satır ← 1. satır − 0.1000 × 2. satır", " ",
       "1.0000    0.         1.0000   ", " 0.         1.0000   2.0000   ",}},
    {Option::LesJacobi, kTwo, "100", "1",
      {" ", "Adımlar", "Maksimum iterasyon sayısı: 100", "  Adım        x(1)        x(2)   Maksimum değişim", "     1      1.1000      2.0000   1",
       "     2      1.0000      1.9800   0.1", "     3      1.0020      2.0000   0.02",
       "     4      1.0000      1.9996   0.002", "     5      1.0000      2.0000   0.0004",
       "     6      1.0000      2.0000   0.00004", "     7      1.0000      2.0000   0.000008", " ",
       "7 iterasyon adımı sonucunda", "Lineer denklem takımının kökleri", " ", " x(1) = 1.0000", " x(2) = 2.0000",
       " ", "Maksimum hata = 0.000008",}},
    {Option::LesGaussSidel, kTwo, "100", "1",
      {" ", "Adımlar", "Maksimum iterasyon sayısı: 100", "  Adım        x(1)        x(2)   Maksimum değişim", "     1      1.1000      1.9800   0.98",
       "     2      1.0020      1.9996   0.098", "     3      1.0000      2.0000   0.00196",
       "     4      1.0000      2.0000   0.000039", "     5      1.0000      2.0000   0.000001", " ",
       "5 iterasyon adımı sonucunda", "Lineer denklem takımının kökleri", " ", " x(1) = 1.0000", " x(2) = 2.0000",
       " ", "Maksimum hata = 0.000001",}},
    {Option::LesSOR, kTwo, "3", "1.5",
      {" ", "Adımlar", "Maksimum iterasyon sayısı: 3, gevşetme faktörü: 1.5", "  Adım        x(1)        x(2)   Maksimum değişim", "     1      1.1500      2.4700   1.47",
       "     2      0.8545      1.7791   0.6909", "     3      1.1059      2.1038   0.324723", " ",
       "3 iterasyon adımı sonucunda", "Lineer denklem takımının kökleri", " ", " x(1) = 1.1059", " x(2) = 2.1038",
       " ", "Maksimum hata = 0.324723",}},
};

TEST(ExplainedSteps, WorkedExampleOfEveryMethodReadsAsCheckedByHand) {
    for (const Worked& c : kWorked) {
        Fixture f;
        f.host.steps = true;
        f.host.maxIter = c.limit;
        f.host.w = c.w;
        EXPECT_EQ(f.run(c.file, c.option), c.lines) << static_cast<int>(c.option);
    }
}

// 3 - x2 and x1 from (1, 1): the sweeps cycle through (2, 1), (2, 2), (1, 2),
// (1, 1) and never converge, so every limit runs to its end.
TEST(ExplainedSteps, IterationTableShowsTheFirstHundredAndTheLastTwentySweeps) {
    const char* const cycle[4][2] = {{"2.0000", "1.0000"}, {"2.0000", "2.0000"}, {"1.0000", "2.0000"}, {"1.0000", "1.0000"}};
    for (std::int64_t limit : {7, 100, 101, 120, 121, 150, 100000}) {
        Fixture f;
        f.host.steps = true;
        f.host.maxIter = std::to_string(limit);
        f.run("2 3\n1 1 3\n-1 1 0\n", Option::LesJacobi);
        std::vector<std::int64_t> shown;
        std::int64_t hidden = 0;
        // [0] to [3]: the group's " " and heading, the limit, the table's heading.
        for (std::size_t i = 4; i < f.host.explained.size(); ++i) {
            std::istringstream in(f.host.lines[f.host.explained[i]]);
            std::string first, x1, x2, change;
            in >> first >> x1 >> x2 >> change;
            if (first.front() == '(') {
                hidden = std::stoll(first.substr(1));
                EXPECT_EQ(x1 + " " + x2, "adım gösterilmedi)");
                continue;
            }
            const std::int64_t k = std::stoll(first);
            shown.push_back(k);
            EXPECT_EQ(x1, cycle[(k - 1) % 4][0]) << k;
            EXPECT_EQ(x2, cycle[(k - 1) % 4][1]) << k;
            EXPECT_EQ(change, "1") << k;
        }
        std::vector<std::int64_t> expected;
        for (std::int64_t k = 1; k <= limit; ++k)
            if (k <= 100 || k > limit - 20) expected.push_back(k);
        EXPECT_EQ(shown, expected) << limit;
        EXPECT_EQ(hidden, limit > 120 ? limit - 120 : 0) << limit;
    }
}

}  // namespace
}  // namespace lineer::test
