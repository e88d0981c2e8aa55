// Values near the limits of a double: a method that would show an infinity
// or a NaN stops with the overflow message and keeps what it listed before.

#include <gtest/gtest.h>

#include "listing.h"
#include "testhost.h"

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

TEST_P(OverflowTable, StopsBeforeAnyValueThatIsNotFinite) {
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
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    }
}

const std::string kTinyPivot = "2 3 1e-300 1e300 1 1 1 2";
const std::string kHugeRows = "3 4 1e300 1e300 1e300 1 -1e300 1e300 1e300 1 1e300 -1e300 1e300 1";
const std::string kTri = "2 3 1e-300 1 1 1e300 1 1";

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
        // Maximum pivoting brings 1e300 to the diagonal first: no overflow.
        OverflowCase{"mpgauss_avoids_it", kTinyPivot, Option::LesMPGauss, "", {" x(2) = 0.0000"}},
        OverflowCase{"jacobi_diverges", kTinyPivot, Option::LesJacobi, "İterasyon ıraksıyor", {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lineer::test
