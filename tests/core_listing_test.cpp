#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "listing.h"
#include "testhost.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

struct Lister {
    TestHost host;
    Workspace ws;
    Context ctx{ws, host, "."};
};

TEST(Listing, RowOfExampleJoinsCellsInOrder) {
    Lister l;
    Matrix m;
    m(1, 1) = 2;
    m(1, 2) = 0;
    m(1, 3) = -1.5;
    Listele(l.ctx, 3, 1, m);
    ASSERT_EQ(l.host.lines.size(), 2u);
    EXPECT_EQ(l.host.lines[0], " ");
    EXPECT_EQ(l.host.lines[1], "2.0000    0.         -1.5000   ");
}

TEST(Listing, ZeroTextOnlyForExactZeros) {
    Lister l;
    Matrix m;
    m(1, 1) = -0.0;
    m(1, 2) = 0.00001;
    m(1, 3) = -0.00001;
    m(1, 4) = 7;
    Listele(l.ctx, 4, 1, m);
    EXPECT_EQ(l.host.lines[1], std::string(" 0.         ") + "0.0000   " + "0.0000   " + "7.0000   ");
}

TEST(Listing, ZeroTextKeepsItsPeriodWithACommaLocale) {
    Lister l;
    l.ctx.decimal = ",";
    Matrix m;
    m(1, 1) = 2.5;
    m(1, 2) = 0;
    Listele(l.ctx, 2, 1, m);
    EXPECT_EQ(l.host.lines[1], "2,5000    0.         ");
}

TEST(Listing, ColumnsComeBeforeRows) {
    Matrix m;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) m(i, j) = 10 * i + j;
    Lister a, b;
    Listele(a.ctx, 3, 2, m);
    Listele(b.ctx, 2, 3, m);
    EXPECT_EQ(a.host.lines,
              (std::vector<std::string>{" ", row({"11.0000", "12.0000", "13.0000"}), row({"21.0000", "22.0000", "23.0000"})}));
    EXPECT_EQ(b.host.lines, (std::vector<std::string>{" ", row({"11.0000", "12.0000"}), row({"21.0000", "22.0000"}),
                                                      row({"31.0000", "32.0000"})}));
}

TEST(Listing, EmptySizesGiveOnlyTheBlankLine) {
    Matrix m;
    m(1, 1) = 1;
    for (auto [cols, rows] : {std::pair{0, 0}, std::pair{3, 0}, std::pair{-1, -1}}) {
        Lister l;
        Listele(l.ctx, cols, rows, m);
        EXPECT_EQ(l.host.lines, (std::vector<std::string>{" "})) << cols << " " << rows;
    }
    Lister l;
    Listele(l.ctx, 0, 2, m);
    EXPECT_EQ(l.host.lines, (std::vector<std::string>{" ", "", ""}));
}

// A value that is not finite never reaches the list: nothing is appended.
TEST(Listing, NonFiniteValueStopsBeforeAnyLine) {
    for (double bad : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        Lister l;
        Matrix m;
        m(1, 1) = 1;
        m(2, 2) = bad;
        EXPECT_THROW(Listele(l.ctx, 2, 2, m), NumberOverflow);
        EXPECT_TRUE(l.host.lines.empty());
    }
}

TEST(RootsBlock, LinesAndOverflow) {
    Lister l;
    l.ws.n = 3;
    l.ws.x(1) = 1.0000008;
    l.ws.x(2) = -0.5;
    l.ws.x(3) = 0;
    appendRootsBlock(l.ctx, Text::RootsHeading);
    EXPECT_EQ(l.host.lines, (std::vector<std::string>{"Lineer denklem takımının kökleri", " ", " x(1) = 1.0000",
                                                      " x(2) = -0.5000", " x(3) = 0.0000"}));
    l.ws.x(2) = std::numeric_limits<double>::infinity();
    l.host.lines.clear();
    EXPECT_THROW(appendRootsBlock(l.ctx, Text::RootsHeading), NumberOverflow);
    EXPECT_TRUE(l.host.lines.empty());
}

}  // namespace
}  // namespace lineer::test
