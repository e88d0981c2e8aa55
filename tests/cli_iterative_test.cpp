// The iterative methods on the command line, with the texts a user might
// type into the two boxes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace {

using lineer::test::CliResult;
using lineer::test::examplePath;
using lineer::test::runLineer;

CliResult run(const std::vector<std::string>& args) { return runLineer(args); }

// A coefficient file, removed when the test program ends.
std::string file(const std::string& content) {
    struct Files {
        std::vector<std::string> paths;
        ~Files() {
            std::error_code ec;
            for (const auto& p : paths) std::filesystem::remove(p, ec);
        }
    };
    static Files files;
    static int counter = 0;
    std::string path = (std::filesystem::temp_directory_path() /
                        ("lineer-iter-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".txt"))
                           .string();
    std::ofstream(path, std::ios::binary) << content;
    files.paths.push_back(path);
    return path;
}

const std::vector<std::string> kDominantListing = {
    "Katsayılar matrisi", " ", "10.0000   1.0000   12.0000   ", "2.0000   10.0000   22.0000   "};

std::vector<std::string> transcript(const std::string& count, const std::string& x1, const std::string& x2,
                                    const std::string& error) {
    auto v = kDominantListing;
    for (const std::string& l : {std::string(" "), count + " iterasyon adımı sonucunda",
                                 std::string("Lineer denklem takımının kökleri"), std::string(" "), " x(1) = " + x1,
                                 " x(2) = " + x2, std::string(" "), "Maksimum hata = " + error})
        v.push_back(l);
    return v;
}

struct CliCase {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> lines;
    std::string err = "";  // the run's remark
};
std::ostream& operator<<(std::ostream& os, const CliCase& c) { return os << c.name; }

class CliIterative : public ::testing::TestWithParam<CliCase> {};

// Where the locale writes numbers with a decimal comma, the two options
// read it too; the coefficient file keeps its own format.
TEST(CliIterativeLocale, DecimalCommaInTheOptions) {
    const std::string dominant = file("2 3\n10 1 12\n2 10 22\n");
    struct Case {
        const char* env;
        std::vector<std::string> comma, point;
    };
    const Case cases[] = {
        {"LANG=tr_TR.UTF-8", {"--method", "sor", "--w", "1,2"}, {"--method", "sor", "--w", "1.2"}},
        {"LANG=tr_TR.UTF-8", {"--method", "jacobi", "--max-iter", "2,9"}, {"--method", "jacobi", "--max-iter", "2.9"}},
        {"LC_ALL=C.UTF-8", {"--method", "sor", "--w", "1,2"}, {"--method", "sor", "--w", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.env + (" " + c.comma.back()));
        auto comma = c.comma, point = c.point;
        comma.push_back(dominant);
        point.push_back(dominant);
        const CliResult a = runLineer(comma, c.env), b = runLineer(point, c.env);
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(a.out, b.out);
        EXPECT_NE(a.out.find("iterasyon adımı sonucunda"), std::string::npos);
    }
    // The factor 1,2 is not the factor 1.
    EXPECT_NE(runLineer({"--method", "sor", "--w", "1,2", dominant}, "LANG=tr_TR.UTF-8").out,
              runLineer({"--method", "sor", "--w", "1", dominant}, "LANG=tr_TR.UTF-8").out);
}

TEST_P(CliIterative, Transcript) {
    static const std::string dominant = file("2 3\n10 1 12\n2 10 22\n");
    auto args = GetParam().options;
    args.push_back(dominant);
    CliResult r = run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, GetParam().err);
    EXPECT_EQ(r.lines(), GetParam().lines);
}

const std::string kNoSweep =
    "Maksimum iterasyon sayısı 1'den küçük: hiç adım atılmadı, gösterilen kökler başlangıç vektörüdür\n";
const std::string kTwoSweeps =
    "İterasyon 2 adımda yakınsamadı: son değişim 0.1, 0.00001 sınırının üstünde; gösterilen kökler çözüm değildir\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, CliIterative,
    ::testing::Values(
        CliCase{"Jacobi", {"--method", "jacobi"}, transcript("7", "1.0000", "2.0000", "0.000008")},
        CliCase{"GaussSeidel", {"--method", "gauss-seidel"}, transcript("5", "1.0000", "2.0000", "0.000001")},
        CliCase{"SorDefaultFactor", {"--method", "sor"}, transcript("5", "1.0000", "2.0000", "0.000001")},
        CliCase{"SorFactor0_9", {"--method", "sor", "--w", "0.9"}, transcript("7", "1.0000", "2.0000", "0.000007")},
        CliCase{"EmptyLimit", {"--method", "jacobi", "--max-iter", ""}, transcript("0", "1.0000", "1.0000", "0"), kNoSweep},
        CliCase{"WordLimit", {"--method", "gauss-seidel", "--max-iter", "sonsuz"},
                transcript("0", "1.0000", "1.0000", "0"), kNoSweep},
        CliCase{"FractionalLimit", {"--method", "jacobi", "--max-iter", "2.9"},
                transcript("2", "1.0000", "1.9800", "0.1"), kTwoSweeps},
        CliCase{"CommaLimit", {"--method", "jacobi", "--max-iter", "1,5"},
                transcript("1", "1.1000", "2.0000", "1"),
                "İterasyon 1 adımda yakınsamadı: son değişim 1, 0.00001 sınırının üstünde; gösterilen kökler çözüm "
                "değildir\n"},
        CliCase{"HexLimit", {"--method", "jacobi", "--max-iter", "&H2"}, transcript("2", "1.0000", "1.9800", "0.1"), kTwoSweeps},
        CliCase{"OctalLimitWithSpaces", {"--method", "jacobi", "--max-iter", " &O 2 "},
                transcript("2", "1.0000", "1.9800", "0.1"), kTwoSweeps},
        CliCase{"ExponentLimit", {"--method", "jacobi", "--max-iter", "2D0"},
                transcript("2", "1.0000", "1.9800", "0.1"), kTwoSweeps},
        CliCase{"HugeLimit", {"--method", "sor", "--max-iter", "1e9999"}, transcript("5", "1.0000", "2.0000", "0.000001")},
        CliCase{"EmptyFactor", {"--method", "sor", "--w", ""}, transcript("1", "1.0000", "1.0000", "0"),
                "ω = 0 ile her adım önceki vektörü geri getirir: gösterilen kökler başlangıç vektörüdür\n"},
        CliCase{"CommaFactor", {"--method", "sor", "--w", "1,5"}, transcript("5", "1.0000", "2.0000", "0.000001")},
        CliCase{"QuoteInFactor", {"--method", "sor", "--w", "1'1"}, transcript("5", "1.0000", "2.0000", "0.000001")}),
    [](const auto& info) { return std::string(info.param.name); });

struct StopCase {
    const char* name;
    std::string content;
    std::vector<std::string> options;
    std::string message;
};
std::ostream& operator<<(std::ostream& os, const StopCase& c) { return os << c.name; }

class CliIterativeStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(CliIterativeStops, MessageAndNoReport) {
    const auto& c = GetParam();
    auto args = c.options;
    args.push_back(file(c.content));
    CliResult r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, c.message + "\n");
    auto lines = r.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Katsayılar matrisi");
    EXPECT_EQ(lines.size(), 4u);  // the load listing of two rows, nothing more
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliIterativeStops,
    ::testing::Values(
        StopCase{"JacobiZeroDiagonal", "2 3\n0 1 1\n1 1 2\n", {"--method", "jacobi"}, " sıfır diyagonal elemanı"},
        StopCase{"SorZeroDiagonal", "2 3\n1 1 2\n1 0 1\n", {"--method", "sor"}, " sıfır diyagonal elemanı"},
        StopCase{"JacobiDiverges", "2 3\n1 2 3\n2 1 0\n", {"--method", "jacobi", "--max-iter", "1e999"},
                 "İterasyon ıraksıyor"},
        StopCase{"GaussSeidelDiverges", "2 3\n1 2 3\n2 1 0\n", {"--method", "gauss-seidel", "--max-iter", "99999"},
                 "İterasyon ıraksıyor"},
        StopCase{"SorHugeFactor", "2 3\n10 1 12\n2 10 22\n", {"--method", "sor", "--w", "9e307"},
                 "İterasyon ıraksıyor"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliIterativeExample, DiagonallyDominantExampleSolved) {
    for (const char* method : {"jacobi", "gauss-seidel", "sor"}) {
        CliResult r = run({"--method", method, examplePath("kosegen-baskin.txt")});
        EXPECT_EQ(r.status, 0) << method;
        auto lines = r.lines();
        ASSERT_EQ(lines.size(), 6u + 10u) << method;
        const std::vector<std::string> roots(lines.begin() + 10, lines.begin() + 14);
        EXPECT_EQ(roots, (std::vector<std::string>{" x(1) = 1.0000", " x(2) = 2.0000", " x(3) = -1.0000",
                                                   " x(4) = 1.0000"}))
            << method;
    }
}

}  // namespace
