// The direct methods, the determinant and the inverse on the command line,
// as a user would try them on the example files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace lineer::test {
namespace {

const std::vector<std::string> kSifirPivotLoad = {
    "Katsayılar matrisi",
    " ",
    " 0.         2.0000   1.0000   5.0000   ",
    "1.0000   1.0000   1.0000   6.0000   ",
    "2.0000   1.0000   -1.0000   1.0000   ",
};

std::vector<std::string> withLoad(const std::vector<std::string>& load, const std::vector<std::string>& rest) {
    std::vector<std::string> all = load;
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
}

TEST(CliDirect, MaximumPivotSolvesTheZeroPivotExample) {
    CliResult r = runLineer({"--method", "mpgauss", examplePath("sifir-pivot.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.lines(), withLoad(kSifirPivotLoad, {
                                                       " ",
                                                       "Pivotlanmış matris",
                                                       " ",
                                                       "2.0000    0.         1.0000   5.0000   ",
                                                       "1.0000   2.0000   -1.0000   1.0000   ",
                                                       "1.0000   1.0000   1.0000   6.0000   ",
                                                       " ",
                                                       "Üst-üçgenselleştirilmiş matris",
                                                       " ",
                                                       "2.0000    0.         1.0000   5.0000   ",
                                                       " 0.         2.0000   -1.5000   -1.5000   ",
                                                       " 0.          0.         1.2500   4.2500   ",
                                                       " ",
                                                       "Lineer denklem takımının kökleri",
                                                       " ",
                                                       " x(1) = 0.8000",
                                                       " x(2) = 1.8000",
                                                       " x(3) = 3.4000",
                                                       " ",
                                                       "Lineer denklem takımının sıralanmış kökleri",
                                                       " ",
                                                       " x(1) = 1.8000",
                                                       " x(2) = 0.8000",
                                                       " x(3) = 3.4000",
                                                   }));
}

TEST(CliDirect, ThomasOnTheBandExample) {
    CliResult r = runLineer({"--method", "thomas", examplePath("ucgen-bantli.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    auto lines = r.lines();
    ASSERT_EQ(lines.size(), 7u + 16u);
    std::vector<std::string> method(lines.begin() + 7, lines.end());
    EXPECT_EQ(method, (std::vector<std::string>{
                          " ",
                          "Dikdörgenselleştirilmiş katsayılar matrisi",
                          " ",
                          " 0.0000   2.0000   -1.0000   1.0000",
                          "-1.0000   2.0000   -1.0000   0.0000",
                          "-1.0000   2.0000   -1.0000   0.0000",
                          "-1.0000   2.0000   -1.0000   0.0000",
                          "-1.0000   2.0000     0.0000   1.0000",
                          " ",
                          "Lineer denklem takımının kökleri",
                          " ",
                          " x(1) = 1.0000",
                          " x(2) = 1.0000",
                          " x(3) = 1.0000",
                          " x(4) = 1.0000",
                          " x(5) = 1.0000",
                      }));
}

TEST(CliDirect, EveryMethodSolvesTheThreeEquationExample) {
    struct Case {
        const char* method;
        std::vector<std::string> tail;  // the last lines of the output
    };
    const std::vector<std::string> roots = {" x(1) = 2.0000", " x(2) = 3.0000", " x(3) = -1.0000"};
    const Case cases[] = {
        {"mpgauss", roots},
        {"doolittle", roots},
        {"crout", roots},
        {"gauss-jordan",
         {" 0.          0.         1.0000   -1.0000   "}},
        {"det", {" ", "Matrisin determinantı = -1"}},
        {"inverse",
         {"4.0000   3.0000   -1.0000   8.0000   ", "-2.0000   -2.0000   1.0000   -11.0000   ",
          "5.0000   4.0000   -1.0000   -3.0000   "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        CliResult r = runLineer({"--method", c.method, examplePath("uc-denklem.txt")});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        auto lines = r.lines();
        ASSERT_GE(lines.size(), c.tail.size());
        std::vector<std::string> tail(lines.end() - static_cast<long>(c.tail.size()), lines.end());
        EXPECT_EQ(tail, c.tail);
    }
}

// A failure ends with its message on the error stream, exit status 1, and
// only what came before it on the results list.
TEST(CliDirect, FailurePaths) {
    struct Case {
        const char* method;
        const char* file;
        std::size_t loadLines, methodLines;
        const char* err;
    };
    const Case cases[] = {
        {"doolittle", "sifir-pivot.txt", 5, 0, " sıfır diyagonal elemanı\n"},
        {"crout", "sifir-pivot.txt", 5, 0, " sıfır diyagonal elemanı\n"},
        {"det", "sifir-pivot.txt", 5, 0, " sıfır diyagonal elemanı\n"},
        {"inverse", "sifir-pivot.txt", 5, 0, " sıfır diyagonal elemanı\n"},
        {"thomas", "sifir-pivot.txt", 5, 6, " sıfır diyagonal elemanı\n"},
        {"thomas", "buyuk-100.txt", 102, 0, "Thomas yöntemi en çok 99 denklem çözebilir\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.file);
        CliResult r = runLineer({"--method", c.method, examplePath(c.file)});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.lines().size(), c.loadLines + c.methodLines);
    }
}

TEST(CliDirect, DeterminantUsesTheLocaleDecimalSymbol) {
    auto path = std::filesystem::temp_directory_path() / ("lineer-cli-det-" + std::to_string(getpid()) + ".txt");
    std::ofstream(path) << "1 1\n2.71828\n";
    CliResult r = runLineer({"--method", "det", path.string()}, "LANG=tr_TR.UTF-8");
    std::filesystem::remove(path);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"Katsayılar matrisi", " ", "2,7183   ", " ",
                                                   "Üst-üçgenselleştirilmiş matris", " ", "2,7183   ", " ",
                                                   "Matrisin determinantı = 2,7183"}));
}

}  // namespace
}  // namespace lineer::test

namespace lineer::test {
namespace {

// --steps adds the explanations, in the user's decimal symbol, to the same
// standard output; without it the output is the plain transcript.
TEST(CliDirect, StepsExplainInTheUsersDecimalSymbol) {
    CliResult plain = runLineer({"--method", "gauss", examplePath("uc-denklem.txt")}, "LANG=tr_TR.UTF-8");
    CliResult r = runLineer({"--steps", "--method", "gauss", examplePath("uc-denklem.txt")}, "LANG=tr_TR.UTF-8");
    EXPECT_EQ(r.status, 0);
    std::vector<std::string> lines = r.lines();
    // Two groups of three, each after " " and "Adımlar".
    ASSERT_EQ(lines.size(), plain.lines().size() + 10);
    EXPECT_EQ(lines[6], "Adımlar");
    EXPECT_EQ(lines[7], "2. satır ← 2. satır − (-1,5000) × 1. satır");
    EXPECT_EQ(lines[19], "x(2) = (1,0000 − 0,5000 × (-1,0000)) / 0,5000 = 3,0000");
    lines.erase(lines.begin() + 16, lines.begin() + 21);
    lines.erase(lines.begin() + 5, lines.begin() + 10);
    EXPECT_EQ(lines, plain.lines());
}

}  // namespace
}  // namespace lineer::test
