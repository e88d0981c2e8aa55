// Values near the limits of a double: a method that would show an infinity
// or a NaN stops with the overflow message and keeps what it listed before;
// one that would lose a number below the normal range stops with the
// underflow message; one whose result fits shows it, however far out of
// range its intermediate products go.

#include <gtest/gtest.h>

#include "listing.h"
#include "testhost.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

struct OverflowCase {
    const char* name;
    std::string file;
    Option option;
    std::string message;            // "" when the run ends normally
    std::vector<std::string> tail;  // the last lines the method appended
};

class OverflowTable : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(OverflowTable, ShowsWhatFitsAndStopsBeforeWhatDoesNot) {
    const auto& c = GetParam();
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(c.file)));
    auto loadListing = h.lines;
    h.selected = c.option;
    s.hesapla(h.request());
    if (c.message.empty()) {
        EXPECT_TRUE(h.messages.empty()) << h.messages[0];
    } else {
        EXPECT_EQ(h.messages, (std::vector<std::string>{c.message}));
    }
    ASSERT_GE(h.lines.size(), loadListing.size() + c.tail.size());
    EXPECT_TRUE(std::equal(loadListing.begin(), loadListing.end(), h.lines.begin()));
    EXPECT_TRUE(std::equal(c.tail.rbegin(), c.tail.rend(), h.lines.rbegin()));
    for (const auto& line : h.lines) {
        std::string shown = line;  // the word "determinant" holds "nan"
        if (const auto at = shown.find("determinant"); at != std::string::npos) shown.erase(at, 11);
        EXPECT_EQ(shown.find("inf"), std::string::npos) << line;
        EXPECT_EQ(shown.find("nan"), std::string::npos) << line;
    }
}

const std::string kTinyPivot = "2 3 1e-300 1e300 1 1 1 2";
const std::string kHugeRows = "3 4 1e300 1e300 1e300 1 -1e300 1e300 1e300 1 1e300 -1e300 1e300 1";
const std::string kTri = "2 3 1e-300 1 1 1e300 1 1";
const std::string kTriSmall = "3 4 4e-200 1e-200 0 6e-200 1e-200 4e-200 1e-200 1.2e-199 0 1e-200 4e-200 1.4e-199";
const std::string kTriLarge = "3 4 4e155 1e155 0 6e155 1e155 4e155 1e155 1.2e156 0 1e155 4e155 1.4e156";
const std::string kUnderflowMessage = "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)";

// A 100 x 100 diagonal matrix: fifty factors of `first`, then fifty of `second`.
std::string diagonal(const char* first, const char* second) {
    std::string s = "100 100";
    for (int i = 1; i <= 100; ++i)
        for (int j = 1; j <= 100; ++j) s += i != j ? " 0" : std::string(" ") + (i <= 50 ? first : second);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Overflow, OverflowTable,
    ::testing::Values(
        // The elimination's row factor times 1e300 / 1e-300 overflows: the
        // triangular heading is written, its listing is not.
        OverflowCase{"gauss", kTinyPivot, Option::LesGauss, kOverflowMessage, {" ", "Üst-üçgenselleştirilmiş matris"}},
        OverflowCase{"determinant", kTinyPivot, Option::DetGauss, kOverflowMessage,
                     {" ", "Üst-üçgenselleştirilmiş matris"}},
        // The product of three diagonal elements near 1e300 overflows: the
        // listing stands, the determinant line does not.
        OverflowCase{"determinant_product", kHugeRows, Option::DetGauss, kOverflowMessage, {}},
        OverflowCase{"inverse", kTinyPivot, Option::InvScrobanski, kOverflowMessage, {}},
        OverflowCase{"doolittle", kTinyPivot, Option::LesDoolittle, kOverflowMessage, {}},
        OverflowCase{"crout", kTinyPivot, Option::LesCrout, kOverflowMessage, {}},
        OverflowCase{"thomas", kTri, Option::LesThomas, kOverflowMessage,
                     {" ", "Dikdörgenselleştirilmiş katsayılar matrisi", " ",
                      " 0.0000   0.0000   1.0000   1.0000",
                      "1" + std::string(300, '0') + ".0000   1.0000     0.0000   1.0000", " "}},
        // An infinite beta would make x(2) = 0 and x(1) = 0 (the root is 5),
        // and in the second system x(1) = 1 (it is about 1e-200).
        OverflowCase{"thomas_beta", "2 3 1e-310 1 0 1 1 5", Option::LesThomas, kOverflowMessage,
                     {" 0.0000   0.0000   1.0000   0.0000", "1.0000   1.0000     0.0000   5.0000", " "}},
        OverflowCase{"thomas_product", "2 3 1 1e200 1 1e200 1 1", Option::LesThomas, kOverflowMessage, {" "}},
        // The corner d is -inf; 1/d = -0 would give a wrong inverse.
        OverflowCase{"inverse_corner", "2 2 1 1e200 1e200 1", Option::InvScrobanski, kOverflowMessage, {}},
        // Partial products out of range, determinant 1.
        OverflowCase{"determinant_underflowing_product", diagonal("1e-7", "1e7"), Option::DetGauss, "",
                     {" ", "Matrisin determinantı = 1"}},
        OverflowCase{"determinant_overflowing_product", diagonal("1e7", "1e-7"), Option::DetGauss, "",
                     {" ", "Matrisin determinantı = 1"}},
        OverflowCase{"determinant_out_of_range", diagonal("1e7", "1e7"), Option::DetGauss, kOverflowMessage, {}},
        // Maximum pivoting brings 1e300 to the diagonal first: no overflow.
        OverflowCase{"mpgauss_avoids_it", kTinyPivot, Option::LesMPGauss, "", {" x(2) = 0.0000"}},
        OverflowCase{"jacobi_diverges", kTinyPivot, Option::LesJacobi, "İterasyon ıraksıyor", {}},
        // Rows in units of 1E-200 and 1E+155: a(i)·c(i − 1) is 1E-400 or
        // 1E+310, its quotient by beta is not.
        OverflowCase{"thomas_small_units", kTriSmall, Option::LesThomas, "", {" x(2) = 2.0000", " x(3) = 3.0000"}},
        OverflowCase{"thomas_large_units", kTriLarge, Option::LesThomas, "", {" x(2) = 2.0000", " x(3) = 3.0000"}},
        // L(2, 1) = 1E-400 is kept, listed and multiplied: it cannot be a
        // double, and nothing is listed.
        OverflowCase{"doolittle_l_too_small", "2 3 1e200 1e200 2e200 1e-200 2e-200 3e-200", Option::LesDoolittle,
                     kUnderflowMessage, {}},
        OverflowCase{"crout_same_rows", "2 3 1e200 1e200 2e200 1e-200 2e-200 3e-200", Option::LesCrout, "",
                     {" x(1) = 1.0000", " x(2) = 1.0000"}},
        // The border vector r·B is 1E-400; the inverse is not.
        OverflowCase{"inverse_border_vector", "2 2 1e200 1e200 1e-200 2e-200", Option::InvScrobanski, "",
                     {"Ters matris", " ", "0.0000   -1" + std::string(200, '0') + ".0000   ",
                      "0.0000   1" + std::string(200, '0') + ".0000   "}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lineer::test
