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
// only what came before it on the results list; the remark on the zero
// pivot of a regular matrix follows.
TEST(CliDirect, FailurePaths) {
    struct Case {
        const char* method;
        const char* file;
        std::size_t loadLines, methodLines;
        std::string err;
    };
    const std::string zero = " sıfır diyagonal elemanı\n";
    const std::string solvers =
        "Köşegende sıfır çıktı, ama katsayılar matrisi tekil değil: pivotunu her adımda kalan satırlardan seçen "
        "yöntemler (Gauss-Jordan, kısmi ya da tam pivotlamalı Gauss, PA = LU) bu sistemi çözer\n";
    const std::string det =
        "Köşegende sıfır çıktı, ama matris tekil değil: bu yöntem satır değiştirmez; determinantı satır değişimli "
        "Gauss eliminasyonu (komut satırında det-pivot) bulur\n";
    const std::string inverse =
        "Köşegende sıfır çıktı, ama matris tekil değil ve tersi var: bu yöntem satır değiştirmez; satır değişimli "
        "Gauss eliminasyonu (komut satırında det-pivot) determinantın 0 olmadığını gösterir\n";
    const Case cases[] = {
        {"doolittle", "sifir-pivot.txt", 5, 0, zero + solvers},
        {"crout", "sifir-pivot.txt", 5, 0, zero + solvers},
        {"det", "sifir-pivot.txt", 5, 0, zero + det},
        {"inverse", "sifir-pivot.txt", 5, 0, zero + inverse},
        {"thomas", "sifir-pivot.txt", 5, 6, zero + solvers},
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


// What a student would conclude falsely from the transcript alone is said
// on the error stream after it, in the language of the run; the exit
// status stays the method's own.
TEST(CliDirect, RemarksFollowTheTranscriptOnTheErrorStream) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string turkish, english;
    };
    const std::string singular = "3 3\n1 2 3\n4 5 6\n7 8 9\n";
    const std::string dir = std::filesystem::temp_directory_path() / "lineer-remarks";
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/s.txt") << singular;
    std::ofstream(dir + "/h.txt") << "4 4\n1 0.5 0.3333333333333333 0.25\n0.5 0.3333333333333333 0.25 0.2\n"
                                     "0.3333333333333333 0.25 0.2 0.16666666666666666\n"
                                     "0.25 0.2 0.16666666666666666 0.14285714285714285\n";
    const Case cases[] = {
        {{"--method", "gauss-jordan", examplePath("tekil.txt")}, 0,
         "Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı 2, [A | b]'nin rankı 3); gösterilen "
         "köklere güvenilemez\n",
         "The coefficient matrix is singular: the system has no solution (the rank of A is 2, that of [A | b] 3); the "
         "roots shown cannot be trusted\n"},
        {{"--method", "inverse", dir + "/s.txt"}, 0,
         "Matris tekil ya da çalışma duyarlığında tekil (rankı 2, boyutu 3): tersi yoktur; gösterilen matris bir "
         "ters değildir\n",
         "The matrix is singular or singular to working precision (rank 2, order 3): it has no inverse; the matrix "
         "shown is not one\n"},
        {{"--method", "det", dir + "/h.txt"}, 0,
         "Determinantın tam değeri 1.653439153E-07: dört ondalığa yuvarlanınca görünmüyor; küçük bir determinant "
         "tekillik göstermez\n",
         "The determinant in full is 1.653439153E-07: rounded to four decimals it does not show; a small "
         "determinant is no sign of singularity\n"},
        {{"--method", "jacobi", examplePath("jacobi-iraksak.txt")}, 0,
         "İterasyon ıraksıyor: iterasyon matrisinin spektral yarıçapı ρ = 1.118 ≥ 1; gösterilen kökler çözüm "
         "değildir\n",
         "The iteration diverges: the spectral radius of its matrix is ρ = 1.118 ≥ 1; the roots shown are not the "
         "solution\n"},
        {{"--method", "gauss", examplePath("uc-denklem.txt")}, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1]);
        const CliResult tr = runLineer(c.args);
        EXPECT_EQ(tr.status, c.status);
        EXPECT_EQ(tr.err, c.turkish);
        std::vector<std::string> english{"--lang", "en"};
        english.insert(english.end(), c.args.begin(), c.args.end());
        const CliResult en = runLineer(english);
        EXPECT_EQ(en.status, c.status);
        EXPECT_EQ(en.err, c.english);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lineer::test
