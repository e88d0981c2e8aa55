#include <gtest/gtest.h>

#include "testhost.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

TEST(Gauss, ThreeEquationTranscript) {
    TestHost h;
    auto all = runMethodOn("3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n", Option::LesGauss, h);
    EXPECT_EQ(all, kUcDenklemGauss);
    EXPECT_TRUE(h.messages.empty());
}

}  // namespace
}  // namespace lineer::test

namespace lineer::test {
namespace {

struct GaussCase {
    const char* name;
    std::string file;
    std::vector<std::string> lines;  // what the method appends
    std::vector<std::string> messages;
};

class GaussTable : public ::testing::TestWithParam<GaussCase> {};

TEST_P(GaussTable, Transcript) {
    const auto& c = GetParam();
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(c.file)));
    int n = s.workspace().n;
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    EXPECT_EQ(methodLines(h.lines, n), c.lines);
    EXPECT_EQ(h.messages, c.messages);
    EXPECT_FALSE(s.loaded());
}

const std::vector<std::string> kZeroDiag = {" sıfır diyagonal elemanı"};

INSTANTIATE_TEST_SUITE_P(
    Gauss, GaussTable,
    ::testing::Values(
        GaussCase{"one_equation", "1 2 4 10",
                  {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"4.0000", "10.0000"}), " ",
                   "Lineer denklem takımının kökleri", " ", " x(1) = 2.5000"},
                  {}},
        // Solvable after an exchange, but plain elimination stops at once.
        GaussCase{"zero_first_pivot", "2 3 0 1 1 1 0 1", {}, kZeroDiag},
        // Step 1 makes A(2,2) zero; step 2 stops with nothing listed.
        GaussCase{"zero_from_elimination", "3 4 1 2 3 6 2 4 7 13 1 1 1 3", {}, kZeroDiag},
        // The last diagonal element is never tested by elimination; the
        // triangular matrix is listed, then back-solving refuses.
        GaussCase{"zero_last_diagonal", "2 3 1 2 3 2 4 6",
                  {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"1.0000", "2.0000", "3.0000"}),
                   row({"0", "0", "0"})},
                  kZeroDiag},
        GaussCase{"one_equation_zero", "1 2 0 5", {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"0", "5.0000"})},
                  kZeroDiag},
        GaussCase{"no_equations", "0 1", {" ", "Üst-üçgenselleştirilmiş matris", " "}, kZeroDiag},
        // A tiny pivot passes the exact zero test.
        GaussCase{"tiny_pivot", "2 3 1e-300 1 1 1 1 2",
                  {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"0.0000", "1.0000", "1.0000"}),
                   row({"0", "-1" + std::string(300, '0') + ".0000", "-1" + std::string(300, '0') + ".0000"}),
                   " ", "Lineer denklem takımının kökleri", " ", " x(1) = 0.0000", " x(2) = 1.0000"},
                  {}},
        // With m = n + 2 both extra columns are eliminated; column m is the
        // right-hand side and column n + 1 takes no part in back-solving.
        GaussCase{"two_right_hand_sides", "2 4 2 1 9 5 4 3 9 11",
                  {" ", "Üst-üçgenselleştirilmiş matris", " ", row({"2.0000", "1.0000", "9.0000", "5.0000"}),
                   row({"0", "1.0000", "-9.0000", "1.0000"}), " ", "Lineer denklem takımının kökleri", " ",
                   " x(1) = 2.0000", " x(2) = 1.0000"},
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

// After a zero pivot from elimination the matrix keeps the earlier steps.
TEST(Gauss, ZeroPivotLeavesEarlierStepsInTheWorkspace) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("3 4 1 2 3 6 2 4 7 13 1 1 1 3")));
    s.workspace().x(1) = 99;
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    const Workspace& ws = s.workspace();
    EXPECT_EQ(ws.A(2, 1), 0);
    EXPECT_EQ(ws.A(2, 2), 0);
    EXPECT_EQ(ws.A(2, 3), 1);
    EXPECT_EQ(ws.A(3, 2), -1);
    EXPECT_EQ(ws.x(1), 99);
}

// Every value is computed in the written order: the quotient, then the
// product with the row factor, then the difference.
TEST(Gauss, OrderOfOperationsIsKept) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3 3 1 1 1 3 0.1")));
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    const Workspace& ws = s.workspace();
    double a22 = 3.0 - 1.0 * (1.0 / 3.0);
    double a23 = 0.1 - 1.0 * (1.0 / 3.0);
    EXPECT_EQ(ws.A(2, 2), a22);
    EXPECT_EQ(ws.A(2, 3), a23);
    double x2 = a23 / a22;
    EXPECT_EQ(ws.x(2), x2);
    double s1 = 0 + 1.0 * x2;
    EXPECT_EQ(ws.x(1), (1.0 - s1) / 3.0);
}

}  // namespace
}  // namespace lineer::test
