// How a run ended, as the dispatcher returns it: one outcome for every way
// a method stops, with an iteration's sweeps and last change.

#include <gtest/gtest.h>

#include "testhost.h"

namespace lineer::test {
namespace {

struct OutcomeCase {
    const char* name;
    std::string file;
    Option option;
    std::string maxIter, w;
    Outcome outcome;
    std::int64_t sweeps;
};

class Outcomes : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(Outcomes, SayHowTheRunEnded) {
    const OutcomeCase& c = GetParam();
    TestHost h;
    h.maxIter = c.maxIter;
    h.w = c.w;
    h.selected = c.option;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(c.file)));
    const std::optional<RunResult> r = s.hesapla(h.request());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outcome, c.outcome);
    EXPECT_EQ(r->sweeps, c.sweeps);
    // A run that ends early says so in one message box or picture line.
    EXPECT_EQ(h.messages.size() + h.printed.size(), ranToItsEnd(c.outcome) ? 0u : 1u);
    EXPECT_EQ(r->reason.has_value(), c.outcome == Outcome::Refused);
}

const std::string kGood = "2 3\n10 1 12\n2 10 22\n";

INSTANTIATE_TEST_SUITE_P(
    EveryEnding, Outcomes,
    ::testing::Values(
        OutcomeCase{"gauss", kGood, Option::LesGauss, "100", "1", Outcome::Solved, 0},
        OutcomeCase{"gauss_zero_pivot", "2 3\n0 1 1\n1 0 1\n", Option::LesGauss, "100", "1", Outcome::ZeroPivot, 0},
        OutcomeCase{"lu_zero_pivot_in_the_picture", "2 3\n0 1 1\n1 0 1\n", Option::LesDoolittle, "100", "1",
                    Outcome::ZeroPivot, 0},
        OutcomeCase{"gauss_overflow", "2 3 1e-300 1e300 1 1 1 2", Option::LesGauss, "100", "1", Outcome::Overflow, 0},
        OutcomeCase{"doolittle_underflow", "2 3 1e200 1e200 2e200 1e-200 2e-200 3e-200", Option::LesDoolittle, "100",
                    "1", Outcome::Underflow, 0},
        OutcomeCase{"determinant_of_too_few_columns", "3 2\n1 2\n3 4\n5 6\n", Option::DetGauss, "100", "1",
                    Outcome::Refused, 0},
        OutcomeCase{"thomas_with_a_remark", "2 3\n2 1 3\n1 2 3\n", Option::LesThomas, "100", "1", Outcome::Solved, 0},
        OutcomeCase{"jacobi_meets_the_tolerance", kGood, Option::LesJacobi, "100", "1", Outcome::Solved, 7},
        OutcomeCase{"seidel_meets_the_tolerance", kGood, Option::LesGaussSidel, "100", "1", Outcome::Solved, 5},
        // The roots are listed, but the limit came first.
        OutcomeCase{"jacobi_at_its_limit", "2 3\n1 1 3\n1 -1 1\n", Option::LesJacobi, "3", "1", Outcome::NotConverged,
                    3},
        OutcomeCase{"no_sweep_allowed", kGood, Option::LesJacobi, "0", "1", Outcome::NotConverged, 0},
        OutcomeCase{"jacobi_zero_diagonal", "2 3\n1 1 2\n1 0 1\n", Option::LesJacobi, "100", "1", Outcome::ZeroPivot,
                    0},
        // The change doubles every sweep: sweep 1023 leaves 2^1024, which a
        // double cannot hold; the sweeps before it count.
        OutcomeCase{"jacobi_diverges", "2 3\n1 2 3\n2 1 0\n", Option::LesJacobi, "1e999", "1", Outcome::Diverging,
                    1022},
        OutcomeCase{"sor_diverges_at_once", "1 2\n4 8\n", Option::LesSOR, "100", "1e308", Outcome::Diverging, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Stops after a given number of sweeps, as "İptal" does.
class StoppingHost : public TestHost {
public:
    bool keepIterating(std::int64_t k, double) override { return k < 3; }
};

TEST(Outcome, AStopBeforeTheToleranceIsStoppedWithItsSweepsAndLastChange) {
    StoppingHost h;
    h.maxIter = "1e999";
    h.selected = Option::LesJacobi;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3\n1 1 3\n1 -1 1\n")));
    const std::optional<RunResult> r = s.hesapla(h.request());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outcome, Outcome::Stopped);
    EXPECT_EQ(r->sweeps, 3);
    EXPECT_EQ(r->lastChange, 1);
}

// Throws StopRun at the given results-list line, as the command line's
// host does on an interrupt outside an iteration.
class InterruptingHost : public TestHost {
public:
    std::size_t at = 0;
    void listAppend(ResultLine line) override {
        if (lines.size() == at) throw StopRun();
        TestHost::listAppend(std::move(line));
    }
};

TEST(Outcome, AHostsStopEndsTheRunAtThatLineWithoutAMessage) {
    InterruptingHost h;
    h.at = 1000;
    h.selected = Option::LesGauss;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(kGood)));
    h.at = h.lines.size() + 2;
    const std::optional<RunResult> r = s.hesapla(h.request());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outcome, Outcome::Stopped);
    EXPECT_TRUE(h.messages.empty());
    EXPECT_EQ(h.lines.size(), h.at);
}

// Every row of the table, on a system every method solves: a procedure
// declared with the wrong signature beside its row would not say Solved.
TEST(Outcome, EveryMethodSolvesAGoodSystem) {
    for (const MethodRow& row : kMethods) {
        TestHost h;
        h.selected = optionOf(row);
        Session s(h);
        ASSERT_TRUE(s.loadFile(tempFile("3 4\n4 1 0 5\n1 4 1 6\n0 1 4 5\n")));
        const std::optional<RunResult> r = s.hesapla(h.request());
        ASSERT_TRUE(r) << row.cliName;
        EXPECT_EQ(r->outcome, Outcome::Solved) << row.cliName;
        EXPECT_TRUE(h.messages.empty()) << row.cliName;
    }
}

TEST(Outcome, NeedsAreReadFromTheMatrixAsLoaded) {
    struct Case {
        std::string file;
        Need needs;
        bool met;
    };
    for (const Case& c : {Case{"2 3\n4 1 5\n1 3 4\n", Need::Augmented | Need::SymmetricPositiveDefinite, true},
                          Case{"2 3\n4 2 5\n1 3 4\n", Need::SymmetricPositiveDefinite, false},
                          Case{"2 3\n1 2 5\n2 1 4\n", Need::SymmetricPositiveDefinite, false},
                          Case{"3 3\n1 0 1\n0 1 0\n0 0 1\n", Need::Square, true},
                          Case{"3 3\n1 0 1\n0 1 0\n0 0 1\n", Need::Tridiagonal, false},
                          Case{"3 3\n1 0 1\n0 1 0\n0 0 1\n", Need::Augmented, false},
                          Case{"3 2\n1 0\n0 1\n0 0\n", Need::Square, false}}) {
        TestHost h;
        Session s(h);
        ASSERT_TRUE(s.loadFile(tempFile(c.file)));
        EXPECT_EQ(meets(c.needs, s.asLoaded()), c.met) << c.file;
    }
}

// The comparison names an ω that is not a number as it was typed, and a
// run the host stops says so in its row.
TEST(Outcome, TheComparisonReadsHowEachRunEnded) {
    StoppingHost h;
    h.w = "1e999";
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3\n1 1 3\n1 -1 1\n")));
    const std::size_t before = h.lines.size();
    s.compare(h.request());
    // Each row's method and outcome, the first two cells.
    std::vector<std::string> rows;
    for (std::size_t i = before + 4; i < h.lines.size() && h.lines[i] != " "; ++i) {
        const std::string& line = h.lines[i];
        const std::size_t gap = line.find("   ");
        const std::size_t outcome = line.find_first_not_of(' ', gap);
        rows.push_back(line.substr(0, gap) + " | " + line.substr(outcome, line.find("   ", outcome) - outcome));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Gauss eliminasyon yöntemi | çözüldü",
                        "Maksimum pivotlu Gauss eliminasyonu | çözüldü",
                        "Gauss-Jordan eliminasyon yöntemi | çözüldü",
                        "Doolittle LU ayrıştırma yöntemi | çözüldü",
                        "Crout LU ayrıştırma yöntemi | çözüldü",
                        "Thomas yöntemi | çözüldü",
                        "Jacobi basit iterasyon yöntemi | durduruldu",
                        "Gauss-Seidel iterasyon yöntemi | çözüldü",
                        "SOR (bu program), \u03c9 = 1e999 | taşma",
                        "SOR (ders kitabı), \u03c9 = 1e999 | taşma",
                        "SOR (ders kitabı), en iyi \u03c9 = 0.828 | durduruldu",
                    }));
}

TEST(Outcome, NoneWhenTheGuardStopsTheButton) {
    TestHost h;
    Session s(h);
    EXPECT_FALSE(s.hesapla(h.request()));
    ASSERT_TRUE(s.loadFile(tempFile(kGood)));
    EXPECT_FALSE(s.hesapla(h.request()));  // no option selected
}

}  // namespace
}  // namespace lineer::test
