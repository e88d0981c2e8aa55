// The determinant by elimination and the inverse by bordering: whole
// transcripts, the failure paths, and random matrices checked against
// independent arithmetic.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "listing.h"
#include "method_fixture.h"
#include "numformat.h"
#include "reference.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

const char* const kDetHeading = "Üst-üçgenselleştirilmiş matris";
const char* const kDetLine = "Matrisin determinantı = ";
const char* const kTooFewColumns = "Sütun sayısı satır sayısından az";

// ------------------------------------------------------------ determinant

TEST(Determinant, Transcripts) {
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> listing;
        const char* value;
    };
    const Case cases[] = {
        {"whole value without a decimal point", "2 2\n1 2\n4 2\n",
         {row({"1.0000", "2.0000"}), row({"0", "-6.0000"})}, "-6"},
        {"rounded to four decimals", "1 1\n2.71828\n", {row({"2.7183"})}, "2.7183"},
        {"a tie goes to the even digit (down)", "1 1\n0.03125\n", {row({"0.0313"})}, "0.0312"},
        {"a tie goes to the even digit (up)", "1 1\n0.09375\n", {row({"0.0938"})}, "0.0938"},
        {"equal rows: the last diagonal element is zero, -0 reads 0", "2 2\n-1 2\n-1 2\n",
         {row({"-1.0000", "2.0000"}), row({"0", "0"})}, "0"},
        {"exponent form from 1E15 on", "2 2\n-3e7 0\n0 5e7\n",
         {row({"-30000000.0000", "0"}), row({"0", "50000000.0000"})}, "-1.5E+15"},
        {"just below 1E15 stays plain", "2 2\n999999999 0\n0 1000000\n",
         {row({"999999999.0000", "0"}), row({"0", "1000000.0000"})}, "999999999000000"},
        {"augmented: the right side is listed unchanged", "3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n",
         {row({"2.0000", "1.0000", "-1.0000", "8.0000"}), row({"0", "0.5000", "0.5000", "-11.0000"}),
          row({"0", "0", "-1.0000", "-3.0000"})},
         "-1"},
        {"no equations: the empty product", "0 0\n", {}, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        auto out = f.run(c.content, Option::DetGauss);
        EXPECT_EQ(out, cat({{" ", kDetHeading, " "}, c.listing, {" ", std::string(kDetLine) + c.value}}));
        EXPECT_TRUE(f.host.messages.empty());
        EXPECT_TRUE(f.host.printed.empty());
    }
}

TEST(Determinant, UsesTheDecimalSymbol) {
    Fixture f(",");
    auto out = f.run("2 2\n1.5 0\n0 1.25\n", Option::DetGauss);
    EXPECT_EQ(out, (std::vector<std::string>{" ", kDetHeading, " ", "1,5000    0.         ", " 0.         1,2500   ",
                                             " ", std::string(kDetLine) + "1,875"}));
}

TEST(Determinant, FailurePaths) {
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> printed, messages;
    };
    const Case cases[] = {
        {"zero leading element", "2 2\n0 1\n1 0\n", {kZeroDiagonal}, {}},
        {"second row a multiple of the first", "3 3\n1 2 3\n2 4 6\n1 1 1\n", {kZeroDiagonal}, {}},
        {"fewer columns than rows", "3 2\n1 2\n3 4\n5 6\n", {}, {kTooFewColumns}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        EXPECT_TRUE(f.run(c.content, Option::DetGauss).empty());
        EXPECT_EQ(f.host.printed, c.printed);
        EXPECT_EQ(f.host.messages, c.messages);
    }
}

TEST(Determinant, TooFewColumnsChangesNothing) {
    Fixture f;
    f.run("3 2\n1 2\n3 4\n5 6\n", Option::DetGauss);
    const double loaded[3][2] = {{1, 2}, {3, 4}, {5, 6}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(f.ws().A(i, j), loaded[i - 1][j - 1]);
}

// ---------------------------------------------------------------- inverse

TEST(Inverse, Transcripts) {
    struct Case {
        const char* what;
        const char* content;
        std::vector<std::string> listing;
    };
    const Case cases[] = {
        {"2 x 2", "2 2\n2 1\n1 1\n", {row({"1.0000", "-1.0000"}), row({"-1.0000", "2.0000"})}},
        {"3 x 3 with determinant 9", "3 3\n4 7 2\n3 6 1\n2 5 3\n",
         {row({"1.4444", "-1.2222", "-0.5556"}), row({"-0.7778", "0.8889", "0.2222"}),
          row({"0.3333", "-0.6667", "0.3333"})}},
        {"augmented: the right side stays", "2 3\n2 1 5\n1 1 7\n",
         {row({"1.0000", "-1.0000", "5.0000"}), row({"-1.0000", "2.0000", "7.0000"})}},
        {"one element", "1 2\n-8 3\n", {row({"-0.1250", "3.0000"})}},
        {"no equations", "0 0\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        EXPECT_EQ(f.run(c.content, Option::InvScrobanski), cat({{" ", "Ters matris", " "}, c.listing}));
        EXPECT_TRUE(f.host.messages.empty());
    }
}

TEST(Inverse, FailurePaths) {
    struct Case {
        const char* what;
        const char* content;
        std::string message;
    };
    const Case cases[] = {
        {"A(1,1) = 0", "2 2\n0 1\n1 0\n", kZeroDiagonal},
        {"one zero element", "1 1\n0\n", kZeroDiagonal},
        {"singular 2 x 2: corner value 0", "2 2\n1 2\n2 4\n", kZeroDiagonal},
        {"singular leading 2 x 2 block of a 3 x 3", "3 3\n1 2 0\n2 4 1\n0 1 1\n", kZeroDiagonal},
        {"fewer columns than rows", "2 1\n1\n2\n", kTooFewColumns},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        EXPECT_TRUE(f.run(c.content, Option::InvScrobanski).empty());
        EXPECT_EQ(f.host.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(f.host.printed.empty());
    }
}

// ------------------------------------------- comparison with a reference

std::vector<std::vector<double>> randomMatrix(int n, int m, std::mt19937& gen) {
    std::uniform_real_distribution<double> u(-4, 4);
    std::vector<std::vector<double>> a(n, std::vector<double>(m));
    for (int i = 0; i < n; ++i) {
        double off = 0;
        for (int j = 0; j < m; ++j) {
            a[i][j] = u(gen);
            if (j != i && j < n) off += std::fabs(a[i][j]);
        }
        a[i][i] = (a[i][i] < 0 ? -1 : 1) * (off + 0.5 + std::fabs(u(gen)));
    }
    return a;
}

TEST(DetInvRandom, DeterminantAgreesWithReference) {
    std::mt19937 gen(11);
    for (int n : {1, 2, 3, 5, 8, 12}) {
        for (int extra : {0, 1}) {
            auto a = randomMatrix(n, n + extra, gen);
            Fixture f;
            auto out = f.run(file(a), Option::DetGauss);
            ASSERT_FALSE(out.empty());
            const std::string& line = out.back();
            ASSERT_EQ(line.rfind(kDetLine, 0), 0u) << line;
            double got = std::strtod(line.c_str() + std::string(kDetLine).size(), nullptr);
            double ref = static_cast<double>(reference(f.session.asLoaded()).det);
            EXPECT_NEAR(got, ref, 0.5e-4 + 1e-12 * std::fabs(ref)) << "n = " << n << ": " << line;
        }
    }
}

// Where the plain running product never leaves the normal range, the
// determinant is that product to the last bit.
TEST(DetInvRandom, DeterminantIsThePlainProductWhileItStaysInRange) {
    std::mt19937 gen(23);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-60, 60);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + trial % 30;
        std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
        double plain = 1;
        bool inRange = true;
        for (int k = 0; k < n; ++k) {
            a[k][k] = std::ldexp(mantissa(gen), exponent(gen));
            plain = plain * a[k][k];
            inRange = inRange && std::fabs(plain) >= 0x1p-1022 && std::isfinite(plain);
        }
        if (!inRange) continue;
        Fixture f;
        auto out = f.run(file(a), Option::DetGauss);
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(out.back(), kDetLine + formatRounded(plain, 4, ".")) << "trial " << trial;
    }
}

TEST(DetInvRandom, InverseTimesMatrixIsIdentity) {
    std::mt19937 gen(5);
    for (int n : {1, 2, 3, 6, 10, 40}) {
        auto a = randomMatrix(n, n + 1, gen);
        Fixture f;
        f.run(file(a), Option::InvScrobanski);
        ASSERT_TRUE(f.host.messages.empty());
        const Matrix& inv = f.ws().A;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                long double s = 0;
                for (int k = 1; k <= n; ++k) s += static_cast<long double>(a[i - 1][k - 1]) * inv(k, j);
                EXPECT_NEAR(static_cast<double>(s), i == j ? 1.0 : 0.0, 1e-11) << n << ": " << i << "," << j;
            }
            EXPECT_EQ(inv(i, n + 1), a[i - 1][n]) << "right side of row " << i;
        }
    }
}

}  // namespace
}  // namespace lineer::test
