#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "iteration.h"
#include "testhost.h"

namespace lineer::test {
namespace {

// 10x1 + x2 = 12, 2x1 + 10x2 = 22: solution 1, 2.
const std::string kDominant = "2 3\n10 1 12\n2 10 22\n";
// The same system with an extra column before the right-hand side.
const std::string kDominantWide = "2 4\n10 1 99 12\n2 10 -7 22\n";
// Solution all ones: the first sweep reproduces the start vector.
const std::string kOnes = "2 3\n4 1 5\n1 3 4\n";
// x1 + x2 = 3, x1 - x2 = 1: Jacobi cycles through (2,0), (3,1), (2,2), (1,1).
const std::string kJacobiCycle = "2 3\n1 1 3\n1 -1 1\n";
// x1 + x2 = 3, -x1 + x2 = 1: Gauss-Seidel alternates (2,3), (0,1).
const std::string kSeidelCycle = "2 3\n1 1 3\n-1 1 1\n";
// x1 + 2x2 = 3, 2x1 + x2 = 0: every method's iterates grow without bound.
const std::string kDiverging = "2 3\n1 2 3\n2 1 0\n";
const std::string kOne = "1 2\n4 8\n";
const std::string kZeroFirst = "2 3\n0 1 1\n1 0 1\n";
const std::string kZeroLast = "2 3\n1 1 2\n1 0 1\n";

const char* const kConverged = "<";  // error text: any value below the tolerance

std::vector<std::string> report(const std::string& count, const std::vector<std::string>& roots,
                                const std::string& error) {
    std::vector<std::string> r = {" ", count + " iterasyon adımı sonucunda", "Lineer denklem takımının kökleri", " "};
    for (std::size_t i = 0; i < roots.size(); ++i) r.push_back(" x(" + std::to_string(i + 1) + ") = " + roots[i]);
    r.push_back(" ");
    r.push_back("Maksimum hata = " + error);
    return r;
}

struct Case {
    const char* name;
    std::string file;
    int n;
    std::string maxIter;
    std::string w;
    std::vector<std::string> lines;     // what the method appends
    std::vector<std::string> messages;  // message boxes shown
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.name; }

void check(const Case& c, Option option) {
    TestHost h;
    h.maxIter = c.maxIter;
    h.w = c.w;
    auto got = methodLines(runMethodOn(c.file, option, h), c.n);
    EXPECT_EQ(h.messages, c.messages);
    if (!c.lines.empty() && c.lines.back() == std::string("Maksimum hata = ") + kConverged) {
        // The count and the roots are given; the error only has to be below
        // the tolerance, which rounding to six places can bring up to it.
        ASSERT_EQ(got.size(), c.lines.size());
        for (std::size_t i = 0; i + 1 < got.size(); ++i) EXPECT_EQ(got[i], c.lines[i]) << "line " << i;
        const std::string prefix = "Maksimum hata = ";
        ASSERT_EQ(got.back().rfind(prefix, 0), 0u) << got.back();
        const std::string value = got.back().substr(prefix.size());
        EXPECT_EQ(value.find_first_not_of("0123456789."), std::string::npos) << value;
        EXPECT_LE(std::strtod(value.c_str(), nullptr), 0.00001) << value;
    } else {
        EXPECT_EQ(got, c.lines);
    }
}

// Cases every method shares: no sweep, the start vector already solves the
// system, a single equation, the zero diagonal, the extra column.
std::vector<Case> commonCases() {
    const auto ones2 = std::vector<std::string>{"1.0000", "1.0000"};
    const std::vector<std::string> zeroDiag = {" sıfır diyagonal elemanı"};
    return {
        {"AllOnesSolution", kOnes, 2, "100", "1", report("1", ones2, "0"), {}},
        {"EmptyLimit", kDominant, 2, "", "1", report("0", ones2, "0"), {}},
        {"LimitNotANumber", kDominant, 2, "yüz", "1", report("0", ones2, "0"), {}},
        {"NegativeLimit", kDominant, 2, "-5", "1", report("0", ones2, "0"), {}},
        {"LimitBelowOne", kDominant, 2, "0.99", "1", report("0", ones2, "0"), {}},
        {"MinusInfiniteLimit", kDominant, 2, "-1e999", "1", report("0", ones2, "0"), {}},
        // With no equations the first sweep changes nothing.
        {"NoEquations", "0 1\n", 0, "100", "1", report("1", {}, "0"), {}},
        {"OneEquation", kOne, 1, "100", "1", report("2", {"2.0000"}, "0"), {}},
        {"OneEquationOneSweep", kOne, 1, "1", "1", report("1", {"2.0000"}, "1"), {}},
        {"ZeroFirstDiagonal", kZeroFirst, 2, "100", "1", {}, zeroDiag},
        {"ZeroLastDiagonal", kZeroLast, 2, "100", "1", {}, zeroDiag},
        {"ZeroDiagonalInfiniteLimit", kZeroLast, 2, "1e999", "1", {}, zeroDiag},
        // No sweep runs, so nothing divides by the zero.
        {"ZeroDiagonalNoSweep", kZeroFirst, 2, "0.5", "1", report("0", ones2, "0"), {}},
        {"DivergingToOverflow", kDiverging, 2, "100000", "1", {}, {"İterasyon ıraksıyor"}},
        {"DivergingWithoutLimit", kDiverging, 2, "1e999", "1", {}, {"İterasyon ıraksıyor"}},
    };
}

std::vector<Case> withCommon(std::vector<Case> own) {
    auto c = commonCases();
    own.insert(own.end(), c.begin(), c.end());
    return own;
}

class Jacobi : public ::testing::TestWithParam<Case> {};
TEST_P(Jacobi, Report) { check(GetParam(), Option::LesJacobi); }
INSTANTIATE_TEST_SUITE_P(
    Cases, Jacobi,
    ::testing::ValuesIn(withCommon({
        {"DominantSystem", kDominant, 2, "100", "1", report("7", {"1.0000", "2.0000"}, "0.000008"), {}},
        {"ExtraColumnIgnored", kDominantWide, 2, "100", "1", report("7", {"1.0000", "2.0000"}, "0.000008"), {}},
        {"SpacedLimit", kDominant, 2, " 1 0 0 ", "1", report("7", {"1.0000", "2.0000"}, "0.000008"), {}},
        {"FractionalLimit", kDominant, 2, "2.9", "1", report("2", {"1.0000", "1.9800"}, "0.1"), {}},
        {"CommaLimit", kDominant, 2, "1,5", "1", report("1", {"1.1000", "2.0000"}, "1"), {}},
        {"HexLimit", kJacobiCycle, 2, "&H10", "1", report("16", {"1.0000", "1.0000"}, "1"), {}},
        {"NotConvergingRunsToLimit", kJacobiCycle, 2, "100", "1", report("100", {"1.0000", "1.0000"}, "1"), {}},
        {"NotConvergingOddLimit", kJacobiCycle, 2, "5", "1", report("5", {"2.0000", "0.0000"}, "1"), {}},
    })),
    [](const auto& info) { return std::string(info.param.name); });

class GaussSeidel : public ::testing::TestWithParam<Case> {};
TEST_P(GaussSeidel, Report) { check(GetParam(), Option::LesGaussSidel); }
INSTANTIATE_TEST_SUITE_P(
    Cases, GaussSeidel,
    ::testing::ValuesIn(withCommon({
        {"DominantSystem", kDominant, 2, "100", "1", report("5", {"1.0000", "2.0000"}, "0.000001"), {}},
        {"ExtraColumnIgnored", kDominantWide, 2, "100", "1", report("5", {"1.0000", "2.0000"}, "0.000001"), {}},
        {"FractionalLimit", kDominant, 2, "2.9", "1", report("2", {"1.0020", "1.9996"}, "0.098"), {}},
        {"CommaLimit", kDominant, 2, "1,5", "1", report("1", {"1.1000", "1.9800"}, "0.98"), {}},
        // Converges where Jacobi cycles.
        {"JacobiCycleSystem", kJacobiCycle, 2, "100", "1", report("2", {"2.0000", "1.0000"}, "0"), {}},
        {"NotConvergingRunsToLimit", kSeidelCycle, 2, "100", "1", report("100", {"0.0000", "1.0000"}, "2"), {}},
        {"NotConvergingOddLimit", kSeidelCycle, 2, "99", "1", report("99", {"2.0000", "3.0000"}, "2"), {}},
    })),
    [](const auto& info) { return std::string(info.param.name); });

class Sor : public ::testing::TestWithParam<Case> {};
TEST_P(Sor, Report) { check(GetParam(), Option::LesSOR); }
INSTANTIATE_TEST_SUITE_P(
    Cases, Sor,
    ::testing::ValuesIn(withCommon({
        {"DominantW1", kDominant, 2, "100", "1", report("5", {"1.0000", "2.0000"}, "0.000001"), {}},
        {"DominantW1_1", kDominant, 2, "100", "1.1", report("7", {"1.0000", "2.0000"}, kConverged), {}},
        {"DominantW0_9", kDominant, 2, "100", "0.9", report("7", {"1.0000", "2.0000"}, kConverged), {}},
        {"DominantW1_5", kDominant, 2, "100", "1.5", report("20", {"1.0000", "2.0000"}, kConverged), {}},
        {"CommaFactorReadsOne", kDominant, 2, "100", "1,5", report("5", {"1.0000", "2.0000"}, "0.000001"), {}},
        {"SpacedFactor", kDominant, 2, "100", " 1 . 1 ", report("7", {"1.0000", "2.0000"}, kConverged), {}},
        {"FactorZero", kDominant, 2, "100", "0", report("1", {"1.0000", "1.0000"}, "0"), {}},
        {"FactorEmpty", kDominant, 2, "100", "", report("1", {"1.0000", "1.0000"}, "0"), {}},
        {"FactorNotANumber", kDominant, 2, "100", "bir", report("1", {"1.0000", "1.0000"}, "0"), {}},
        {"InfiniteLimitConverges", kDominant, 2, "1e999", "1", report("5", {"1.0000", "2.0000"}, "0.000001"), {}},
        {"SeidelCycleRunsToLimit", kSeidelCycle, 2, "100", "1", report("100", {"0.0000", "1.0000"}, "2"), {}},
        {"HugeFactorDiverges", kOne, 1, "100", "1e308", {}, {"İterasyon ıraksıyor"}},
        {"InfiniteFactorDiverges", kOne, 1, "100", "1e999", {}, {"İterasyon ıraksıyor"}},
        {"HexFactorDiverges", kDominant, 2, "100", "&HFFFF", {}, {"İterasyon ıraksıyor"}},
    })),
    [](const auto& info) { return std::string(info.param.name); });

// The exact order of operations, checked to the last bit on the first two
// sweeps of a 3 x 3 system from the start vector of ones.
struct Exact {
    TestHost host;
    Session session{host};
    explicit Exact(Option option, const std::string& maxIter, const std::string& w = "1") {
        host.maxIter = maxIter;
        host.w = w;
        EXPECT_TRUE(session.loadFile(tempFile("3 4\n4 -1 1 7\n4 -8 1 -21\n-2 1 5 15\n")));
        host.selected = option;
        session.hesapla(host.request());
    }
    double x(int i) { return session.workspace().x(i); }
};

TEST(IterationOrder, JacobiSkipsTheDiagonalAndSumsAscending) {
    const double a1 = (7.0 - (0.0 + -1.0 * 1.0 + 1.0 * 1.0)) / 4.0;
    const double a2 = (-21.0 - (0.0 + 4.0 * 1.0 + 1.0 * 1.0)) / -8.0;
    const double a3 = (15.0 - (0.0 + -2.0 * 1.0 + 1.0 * 1.0)) / 5.0;
    const double b1 = (7.0 - (0.0 + -1.0 * a2 + 1.0 * a3)) / 4.0;
    const double b2 = (-21.0 - (0.0 + 4.0 * a1 + 1.0 * a3)) / -8.0;
    const double b3 = (15.0 - (0.0 + -2.0 * a1 + 1.0 * a2)) / 5.0;
    Exact r(Option::LesJacobi, "2");
    EXPECT_EQ(r.x(1), b1);
    EXPECT_EQ(r.x(2), b2);
    EXPECT_EQ(r.x(3), b3);
}

TEST(IterationOrder, GaussSeidelUsesTheSweepsOwnValues) {
    const double a1 = (7.0 - (0.0 + -1.0 * 1.0 + 1.0 * 1.0)) / 4.0;
    const double a2 = (-21.0 - (0.0 + 4.0 * a1 + 1.0 * 1.0)) / -8.0;
    const double a3 = (15.0 - (0.0 + -2.0 * a1 + 1.0 * a2)) / 5.0;
    const double b1 = (7.0 - (0.0 + -1.0 * a2 + 1.0 * a3)) / 4.0;
    const double b2 = (-21.0 - (0.0 + 4.0 * b1 + 1.0 * a3)) / -8.0;
    const double b3 = (15.0 - (0.0 + -2.0 * b1 + 1.0 * b2)) / 5.0;
    Exact r(Option::LesGaussSidel, "2");
    EXPECT_EQ(r.x(1), b1);
    EXPECT_EQ(r.x(2), b2);
    EXPECT_EQ(r.x(3), b3);
}

TEST(IterationOrder, SorRelaxesAfterTheWholeSweep) {
    const double w = 1.1;
    auto relax = [&](double x, double p) { return w * x + (1 - w) * p; };
    // Sweep 1: Gauss-Seidel on unrelaxed values, then the relaxation pass.
    const double g1 = (7.0 - (0.0 + -1.0 * 1.0 + 1.0 * 1.0)) / 4.0;
    const double g2 = (-21.0 - (0.0 + 4.0 * g1 + 1.0 * 1.0)) / -8.0;
    const double g3 = (15.0 - (0.0 + -2.0 * g1 + 1.0 * g2)) / 5.0;
    const double a1 = relax(g1, 1.0), a2 = relax(g2, 1.0), a3 = relax(g3, 1.0);
    // Sweep 2.
    const double h1 = (7.0 - (0.0 + -1.0 * a2 + 1.0 * a3)) / 4.0;
    const double h2 = (-21.0 - (0.0 + 4.0 * h1 + 1.0 * a3)) / -8.0;
    const double h3 = (15.0 - (0.0 + -2.0 * h1 + 1.0 * h2)) / 5.0;
    Exact r(Option::LesSOR, "2", "1.1");
    EXPECT_EQ(r.x(1), relax(h1, a1));
    EXPECT_EQ(r.x(2), relax(h2, a2));
    EXPECT_EQ(r.x(3), relax(h3, a3));
}

TEST(IterationOrder, SorWithFactorOneIsGaussSeidel) {
    for (const char* limit : {"1", "3", "100"}) {
        Exact gs(Option::LesGaussSidel, limit);
        Exact sor(Option::LesSOR, limit, "1");
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(gs.x(i), sor.x(i)) << "limit " << limit << ", x(" << i << ")";
        EXPECT_EQ(gs.host.lines, sor.host.lines);
    }
}

TEST(IterationFailure, RootVectorUntouched) {
    for (Option option : {Option::LesJacobi, Option::LesGaussSidel, Option::LesSOR}) {
        for (const std::string& file : {kZeroLast, kDiverging}) {
            TestHost h;
            h.maxIter = "1e999";
            Session s(h);
            s.workspace().x(1) = 5;
            s.workspace().x(2) = 6;
            ASSERT_TRUE(s.loadFile(tempFile(file)));
            h.selected = option;
            s.hesapla(h.request());
            ASSERT_EQ(h.messages.size(), 1u);
            EXPECT_EQ(s.workspace().x(1), 5);
            EXPECT_EQ(s.workspace().x(2), 6);
            EXPECT_EQ(h.lines.size(), 4u);  // the load listing only
        }
    }
}

TEST(IterationReport, DecimalSymbolOfTheLocale) {
    TestHost h;
    Session s(h, ",");
    ASSERT_TRUE(s.loadFile(tempFile(kDominant)));
    h.selected = Option::LesJacobi;
    s.hesapla(h.request());
    EXPECT_EQ(methodLines(h.lines, 2), report("7", {"1,0000", "2,0000"}, "0,000008"));
}

TEST(IterationReport, NothingAppendedWhenAValueIsNotFinite) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [x2, e] : {std::pair{2.0, inf}, std::pair{inf, 0.5}, std::pair{nan, 0.5}}) {
        Workspace ws;
        ws.n = 2;
        ws.x(1) = 1;
        ws.x(2) = x2;
        TestHost h;
        Context ctx{ws, h};
        EXPECT_THROW(appendIterationReport(ctx, 3, e), NumberOverflow);
        EXPECT_TRUE(h.lines.empty());
    }
}

// A diverging but finite run: x1 = -2 x2 and x2 = -2 x1 double the change
// every sweep; after 60 sweeps it is 3 * 2^59.
TEST(IterationReport, LargeErrorInExponentForm) {
    TestHost d;
    d.maxIter = "60";
    EXPECT_EQ(runMethodOn("2 3\n1 2 0\n2 1 0\n", Option::LesJacobi, d).back(),
              "Maksimum hata = 1.72938225691027E+18");

    Workspace ws;
    ws.n = 1;
    ws.x(1) = 1;
    TestHost h;
    Context ctx{ws, h};
    appendIterationReport(ctx, 12, 999999999999999.0);
    EXPECT_EQ(h.lines.back(), "Maksimum hata = 999999999999999");
    appendIterationReport(ctx, 12, 0.0000099);  // below the tolerance, rounded up to it
    EXPECT_EQ(h.lines.back(), "Maksimum hata = 0.00001");
    appendIterationReport(ctx, 12, 0.0000004);
    EXPECT_EQ(h.lines.back(), "Maksimum hata = 0");
}

// A host that stops the iteration after a given number of sweeps, as a
// cancel button would.
class StoppingHost : public TestHost {
public:
    std::int64_t stopAt = 3;
    std::vector<std::pair<std::int64_t, double>> seen;
    bool keepIterating(std::int64_t k, double e) override {
        seen.emplace_back(k, e);
        return k < stopAt;
    }
};

// The report as if the limit were reached, then where the run stopped;
// a stop in the sweep the limit would end anyway changes nothing.
TEST(IterationCancel, EndsWithTheReportAndTheSweepItStoppedAt) {
    struct Case {
        Option option;
        const char* maxIter;
        bool stopLine;
    };
    for (const Case c : {Case{Option::LesJacobi, "1e999", true}, Case{Option::LesSOR, "1e999", true},
                         Case{Option::LesJacobi, "3", false}}) {
        StoppingHost h;
        h.maxIter = c.maxIter;
        auto got = methodLines(runMethodOn(c.option == Option::LesJacobi ? kJacobiCycle : kSeidelCycle, c.option, h), 2);
        if (c.option == Option::LesJacobi) {
            auto want = report("3", {"2.0000", "2.0000"}, "1");
            if (c.stopLine) want.push_back("İterasyon 3. adımda durduruldu");
            EXPECT_EQ(got, want) << c.maxIter;
        } else {
            EXPECT_EQ(got.at(1), "3 iterasyon adımı sonucunda");
            EXPECT_EQ(got.back(), "İterasyon 3. adımda durduruldu");
        }
        ASSERT_EQ(h.seen.size(), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(h.seen[i].first, i + 1);
    }
}

TEST(IterationCancel, SeesEverySweepUpToConvergence) {
    StoppingHost h;
    h.stopAt = 1000;
    runMethodOn(kDominant, Option::LesGaussSidel, h);
    ASSERT_EQ(h.seen.size(), 5u);
    EXPECT_LT(h.seen[4].second, 0.00001);
    EXPECT_GE(h.seen[3].second, 0.00001);
}

// The SOR plot, as picture operations.
struct Circle {
    double x, y, r;
};
struct Plot {
    std::vector<std::string> other;  // every event that is not a circle
    std::vector<Circle> circles;
};
Plot parse(const std::vector<std::string>& events) {
    Plot p;
    for (const auto& e : events) {
        if (e.rfind("circle:", 0) == 0) {
            Circle c{};
            EXPECT_EQ(std::sscanf(e.c_str(), "circle:%lf,%lf,%lf", &c.x, &c.y, &c.r), 3) << e;
            p.circles.push_back(c);
        } else {
            p.other.push_back(e);
        }
    }
    return p;
}

Plot sorPlot(const std::string& file, const std::string& maxIter, const std::string& w, TestHost& h) {
    h.maxIter = maxIter;
    h.w = w;
    runMethodOn(file, Option::LesSOR, h);
    return parse(h.events);
}

TEST(SorPlot, ScaleClearThenOneCirclePerIteration) {
    TestHost h;
    Plot p = sorPlot(kDominant, "100", "1", h);
    // The first change is 0.98 (x2 goes from 1 to 1.98), so h = 1.96.
    ASSERT_GE(h.events.size(), 2u);
    EXPECT_EQ(h.events[0], "scale:0,0,100,1.96");
    EXPECT_EQ(h.events[1], "clear");
    EXPECT_EQ(p.other.size(), 2u);
    // Changes of the Gauss-Seidel iterates (1.1, 1.98), (1.002, 1.9996),
    // (1.00004, 1.999992), (1.0000008, 1.99999984), (1.000000016, ...).
    const double changes[] = {0.98, 0.098, 0.00196, 0.0000392, 0.000000784};
    ASSERT_EQ(p.circles.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(p.circles[k].x, k + 1);
        EXPECT_NEAR(p.circles[k].y, changes[k], changes[k] * 1e-6) << "iteration " << k + 1;
        EXPECT_EQ(p.circles[k].r, 1);
    }
    // h is twice the first change: the first circle sits at mid-height.
    EXPECT_NEAR(p.circles[0].y * 2, 1.96, 1e-6);
}

TEST(SorPlot, ScaleFollowsTheLimitAsRead) {
    TestHost h;
    Plot p = sorPlot(kDominant, "2.9", "1", h);
    EXPECT_EQ(p.other, (std::vector<std::string>{"scale:0,0,2.9,1.96", "clear"}));
    EXPECT_EQ(p.circles.size(), 2u);
}

TEST(SorPlot, EveryIterationRunToTheLimitIsPlotted) {
    TestHost h;
    Plot p = sorPlot(kSeidelCycle, "40", "1", h);
    // Change 2 every time: h = 4, every circle at mid-height.
    EXPECT_EQ(p.other, (std::vector<std::string>{"scale:0,0,40,4", "clear"}));
    ASSERT_EQ(p.circles.size(), 40u);
    for (int k = 0; k < 40; ++k) {
        EXPECT_EQ(p.circles[k].x, k + 1);
        EXPECT_EQ(p.circles[k].y, 2);
    }
}

struct NoPlotCase {
    const char* name;
    std::string file, maxIter, w;
    std::vector<std::string> events;
};
std::ostream& operator<<(std::ostream& os, const NoPlotCase& c) { return os << c.name; }

// A run that draws no plot clears the picture, so that an earlier run's
// plot is not taken for its own.
class SorNoPlot : public ::testing::TestWithParam<NoPlotCase> {};
TEST_P(SorNoPlot, PictureCleared) {
    TestHost h;
    sorPlot(GetParam().file, GetParam().maxIter, GetParam().w, h);
    EXPECT_EQ(h.events, GetParam().events);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, SorNoPlot,
    ::testing::Values(
        // No iteration at all.
        NoPlotCase{"LimitZero", kDominant, "0", "1", {"clear"}}, NoPlotCase{"LimitEmpty", kDominant, "", "1", {"clear"}},
        // A first change of 0 leaves the plot without height.
        NoPlotCase{"FactorZero", kDominant, "100", "0", {"clear"}},
        NoPlotCase{"StartSolves", kOnes, "100", "1", {"clear"}},
        // An infinite limit leaves it without width.
        NoPlotCase{"InfiniteLimit", kDominant, "1e999", "1", {"clear"}},
        // The checks come before anything is drawn.
        NoPlotCase{"ZeroDiagonal", kZeroLast, "100", "1", {"message: sıfır diyagonal elemanı", "clear"}},
        NoPlotCase{"DivergesInTheFirstIteration", kOne, "100", "1e308", {"message:İterasyon ıraksıyor", "clear"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SorPlot, DivergenceStopsBeforeThePlotOfThatIteration) {
    TestHost h;
    Plot p = sorPlot(kDiverging, "100000", "1", h);
    ASSERT_EQ(p.other.size(), 3u);
    EXPECT_EQ(p.other[0].rfind("scale:0,0,100000,", 0), 0u) << p.other[0];
    EXPECT_EQ(p.other[1], "clear");
    EXPECT_EQ(p.other[2], "message:İterasyon ıraksıyor");
    EXPECT_EQ(h.events.back(), "message:İterasyon ıraksıyor");
    ASSERT_GT(p.circles.size(), 10u);
    for (std::size_t k = 0; k < p.circles.size(); ++k) {
        EXPECT_EQ(p.circles[k].x, static_cast<double>(k + 1));
        EXPECT_TRUE(std::isfinite(p.circles[k].y));
    }
    EXPECT_EQ(h.lines.size(), 4u);  // no report after the load listing
}

}  // namespace
}  // namespace lineer::test
