// The listing writes rows straight into a buffer sized for the usual cell
// and lets the cells that need the exact conversion (huge values, halfway
// points) make room for themselves. Every row must read exactly as the
// cells formatted one by one.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "listing.h"
#include "numformat.h"
#include "testhost.h"

namespace lineer::test {
namespace {

std::string expectedRow(const Matrix& m, int i, int cols, const std::string& dec) {
    std::string s;
    for (int j = 1; j <= cols; ++j) {
        if (m(i, j) == 0) {
            s += kZeroText;
        } else {
            appendFixed4Exact(s, m(i, j), dec);
            s += "   ";
        }
    }
    return s;
}

TEST(FastListing, RowsMatchTheCellsFormattedOneByOne) {
    std::mt19937_64 rng(2024);
    std::uniform_int_distribution<int> kind(0, 7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> cols(1, kMaxIndex);
    const std::string symbols[] = {".", ",", "\xd9\xab", "\xe2\x80\xa4"};
    for (int trial = 0; trial < 200; ++trial) {
        Matrix m;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= kMaxIndex; ++j) {
                switch (kind(rng)) {
                    case 0: m(i, j) = 0; break;
                    case 1: m(i, j) = unit(rng) * 1.7e308; break;  // some hundred digits
                    case 2: m(i, j) = (std::floor(unit(rng) * 1e6) + 0.5) / 1e4; break;  // halfway
                    case 3: m(i, j) = unit(rng) * 1e12; break;
                    case 4: m(i, j) = -999999999.99995; break;  // ten digits after rounding
                    default: m(i, j) = unit(rng) * std::pow(10.0, static_cast<int>(unit(rng) * 8)); break;
                }
            }
        const std::string& dec = symbols[trial % 4];
        const int c = cols(rng);
        TestHost host;
        Workspace ws;
        Context ctx{ws, host, dec};
        Listele(ctx, c, 3, m);
        ASSERT_EQ(host.lines.size(), 4u);
        for (int i = 1; i <= 3; ++i) ASSERT_EQ(host.lines[i], expectedRow(m, i, c, dec)) << "trial " << trial;

        // appendRowText adds to what the line already holds.
        std::string line = "x(";
        appendRowText(line, m, 2, c, dec);
        ASSERT_EQ(line, "x(" + expectedRow(m, 2, c, dec));
    }
}

TEST(FastListing, RowOfHugeValuesOnly) {
    Matrix m;
    for (int j = 1; j <= kMaxIndex; ++j) m(1, j) = (j % 2 ? 1 : -1) * 1.7976931348623157e308;
    TestHost host;
    Workspace ws;
    Context ctx{ws, host, "."};
    Listele(ctx, kMaxIndex, 1, m);
    ASSERT_EQ(host.lines.size(), 2u);
    EXPECT_EQ(host.lines[1], expectedRow(m, 1, kMaxIndex, "."));
    EXPECT_GT(host.lines[1].size(), 100u * 300u);
}

}  // namespace
}  // namespace lineer::test
