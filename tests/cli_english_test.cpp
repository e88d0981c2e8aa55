// The command line in English: every method's transcript, and where
// "--lang" may stand and what it takes.

#include <gtest/gtest.h>

#include <regex>

#include "cli_runner.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

// ç ğ ı İ ö ş ü and their capitals: none may be left in English output.
struct Transcript {
    std::vector<std::string> args;
    const char* file;
    const char* out;  // the whole of standard output
    const char* err = "";  // the remark, where the run has one
};

TEST(English, EveryMethodsTranscriptReadsInEnglish) {
    const Transcript cases[] = {
        {{"--method", "gauss"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Upper triangular matrix
 
2.0000   1.0000   -1.0000   8.0000   
 0.         0.5000   0.5000   1.0000   
 0.          0.         -1.0000   1.0000   
 
Roots of the linear system
 
 x(1) = 2.0000
 x(2) = 3.0000
 x(3) = -1.0000
)"},
        {{"--method", "gauss", "--steps"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Steps
row 2 ← row 2 − (-1.5000) × row 1
row 3 ← row 3 − (-1.0000) × row 1
row 3 ← row 3 − 4.0000 × row 2
 
Upper triangular matrix
 
2.0000   1.0000   -1.0000   8.0000   
 0.         0.5000   0.5000   1.0000   
 0.          0.         -1.0000   1.0000   
 
Steps
x(3) = 1.0000 / (-1.0000) = -1.0000
x(2) = (1.0000 − 0.5000 × (-1.0000)) / 0.5000 = 3.0000
x(1) = (8.0000 − 1.0000 × 3.0000 − (-1.0000) × (-1.0000)) / 2.0000 = 2.0000
 
Roots of the linear system
 
 x(1) = 2.0000
 x(2) = 3.0000
 x(3) = -1.0000
)"},
        {{"--method", "det"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Upper triangular matrix
 
2.0000   1.0000   -1.0000   8.0000   
 0.         0.5000   0.5000   -11.0000   
 0.          0.         -1.0000   -3.0000   
 
Determinant of the matrix = -1
)"},
        {{"--method", "inverse"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Inverse matrix
 
4.0000   3.0000   -1.0000   8.0000   
-2.0000   -2.0000   1.0000   -11.0000   
5.0000   4.0000   -1.0000   -3.0000   
)"},
        {{"--method", "mpgauss"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Pivoted matrix
 
-3.0000   2.0000   -1.0000   -11.0000   
-2.0000   2.0000   1.0000   -3.0000   
2.0000   -1.0000   1.0000   8.0000   
 
Upper triangular matrix
 
-3.0000   2.0000   -1.0000   -11.0000   
 0.         0.6667   1.6667   4.3333   
 0.          0.         -0.5000   -1.5000   
 
Roots of the linear system
 
 x(1) = 2.0000
 x(2) = -1.0000
 x(3) = 3.0000
 
Roots of the linear system in order
 
 x(1) = 2.0000
 x(2) = 3.0000
 x(3) = -1.0000
)"},
        {{"--method", "gauss-jordan"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
-3.0000   -1.0000   2.0000   -11.0000   
2.0000   1.0000   -1.0000   8.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
1.0000   0.3333   -0.6667   3.6667   
2.0000   1.0000   -1.0000   8.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
1.0000   0.3333   -0.6667   3.6667   
 0.         0.3333   0.3333   0.6667   
 0.         1.6667   0.6667   4.3333   
 
1.0000   0.3333   -0.6667   3.6667   
 0.         1.6667   0.6667   4.3333   
 0.         0.3333   0.3333   0.6667   
 
1.0000   0.3333   -0.6667   3.6667   
 0.         1.0000   0.4000   2.6000   
 0.         0.3333   0.3333   0.6667   
 
1.0000    0.         -0.8000   2.8000   
 0.         1.0000   0.4000   2.6000   
 0.          0.         0.2000   -0.2000   
 
1.0000    0.         -0.8000   2.8000   
 0.         1.0000   0.4000   2.6000   
 0.          0.         1.0000   -1.0000   
 
1.0000    0.          0.         2.0000   
 0.         1.0000    0.         3.0000   
 0.          0.         1.0000   -1.0000   
)"},
        {{"--method", "doolittle"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Lower triangular matrix
 
1.0000    0.          0.         
-1.5000   1.0000    0.         
-1.0000   4.0000   1.0000   
 
Upper triangular matrix
 
2.0000   1.0000   -1.0000   
 0.         0.5000   0.5000   
 0.          0.         -1.0000   
 
Roots of the linear system in order
 
 x(1) = 2.0000
 x(2) = 3.0000
 x(3) = -1.0000
)"},
        {{"--method", "crout"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Lower triangular matrix
 
2.0000    0.          0.         
-3.0000   0.5000    0.         
-2.0000   2.0000   -1.0000   
 
Upper triangular matrix
 
1.0000   0.5000   -0.5000   
 0.         1.0000   1.0000   
 0.          0.         1.0000   
 
Roots of the linear system in order
 
 x(1) = 2.0000
 x(2) = 3.0000
 x(3) = -1.0000
)"},
        {{"--method", "thomas"}, "ucgen-bantli.txt",
         R"(Coefficient matrix
 
2.0000   -1.0000    0.          0.          0.         1.0000   
-1.0000   2.0000   -1.0000    0.          0.          0.         
 0.         -1.0000   2.0000   -1.0000    0.          0.         
 0.          0.         -1.0000   2.0000   -1.0000    0.         
 0.          0.          0.         -1.0000   2.0000   1.0000   
 
Coefficient matrix in band form
 
 0.0000   2.0000   -1.0000   1.0000
-1.0000   2.0000   -1.0000   0.0000
-1.0000   2.0000   -1.0000   0.0000
-1.0000   2.0000   -1.0000   0.0000
-1.0000   2.0000     0.0000   1.0000
 
Roots of the linear system
 
 x(1) = 1.0000
 x(2) = 1.0000
 x(3) = 1.0000
 x(4) = 1.0000
 x(5) = 1.0000
)"},
        {{"--method", "jacobi"}, "kosegen-baskin.txt",
         R"(Coefficient matrix
 
10.0000   -1.0000   2.0000    0.         6.0000   
-1.0000   11.0000   -1.0000   3.0000   25.0000   
2.0000   -1.0000   10.0000   -1.0000   -11.0000   
 0.         3.0000   -1.0000   8.0000   15.0000   
 
Number of iterations: 15
Roots of the linear system
 
 x(1) = 1.0000
 x(2) = 2.0000
 x(3) = -1.0000
 x(4) = 1.0000
 
Maximum error = 0.000009
)"},
        {{"--method", "gauss-seidel"}, "kosegen-baskin.txt",
         R"(Coefficient matrix
 
10.0000   -1.0000   2.0000    0.         6.0000   
-1.0000   11.0000   -1.0000   3.0000   25.0000   
2.0000   -1.0000   10.0000   -1.0000   -11.0000   
 0.         3.0000   -1.0000   8.0000   15.0000   
 
Number of iterations: 7
Roots of the linear system
 
 x(1) = 1.0000
 x(2) = 2.0000
 x(3) = -1.0000
 x(4) = 1.0000
 
Maximum error = 0.000005
)"},
        {{"--method", "sor"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Number of iterations: 100
Roots of the linear system
 
 x(1) = 3.5847
 x(2) = 0.9347
 x(3) = 1.6174
 
Maximum error = 1.272901
)",
         "The iteration diverges: the spectral radius of its matrix is ρ = 1 ≥ 1; the roots shown are not the "
         "solution\n"},
        {{"--method", "sor", "--steps", "--max-iter", "3", "--w", "1.5"}, "uc-denklem.txt",
         R"(Coefficient matrix
 
2.0000   1.0000   -1.0000   8.0000   
-3.0000   -1.0000   2.0000   -11.0000   
-2.0000   1.0000   2.0000   -3.0000   
 
Steps
Maximum number of iterations: 3, relaxation factor: 1.5
  Step        x(1)        x(2)        x(3)   Maximum change
     1      5.5000      1.0000      2.5000   4.5
     2      4.3750      2.1250      2.3125   1.125
     3      3.9531      3.9531      0.2266   2.085938
 
Number of iterations: 3
Roots of the linear system
 
 x(1) = 3.9531
 x(2) = 3.9531
 x(3) = 0.2266
 
Maximum error = 2.085938
)",
         "The iteration diverges: the spectral radius of its matrix is ρ = 1.09 ≥ 1; the roots shown are not the "
         "solution\n"},
    };
    for (const Transcript& c : cases) {
        std::vector<std::string> args{"--lang", "en"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back(examplePath(c.file));
        const CliResult r = runLineer(args);
        SCOPED_TRACE(c.args[1] + (c.args.size() > 2 ? " " + c.args[2] : std::string()));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.lines(), CliResult::split(c.out));
        EXPECT_FALSE(hasTurkishLetter(r.out));
    }
}

// The messages of a method and of the loader, and the help, in English too.
TEST(English, MessagesAndHelpReadInEnglish) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string firstErr;
    };
    for (const Case& c : std::vector<Case>{
             {{"--method", "gauss", examplePath("sifir-pivot.txt")}, 1, " zero diagonal element"},
             {{"--method", "thomas", examplePath("uc-denklem.txt")}, 0,
              "The matrix is not tridiagonal: 2 coefficient(s) outside the three diagonals were not used, so these may "
              "not be the roots of the system in the file"},
             {{"no-such-file.txt"}, 2, "Could not open the file: no-such-file.txt"},
             {{"--method", "newton", "x.txt"}, 2, "lineer: unknown method: newton"},
         }) {
        std::vector<std::string> args{"--lang", "en"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = runLineer(args);
        EXPECT_EQ(r.status, c.status) << c.args[0];
        ASSERT_FALSE(r.errLines().empty()) << c.args[0];
        EXPECT_EQ(r.errLines()[0], c.firstErr);
        EXPECT_FALSE(hasTurkishLetter(r.out + r.err)) << c.args[0];
    }
    const CliResult help = runLineer({"--help", "--lang", "en"});
    EXPECT_EQ(help.lines()[0], "Usage: lineer [--method METHOD] [--max-iter TEXT] [--w TEXT] [--steps]");
    EXPECT_FALSE(hasTurkishLetter(help.out));
    EXPECT_NE(runLineer({"--help"}).out.find("  --lang DİL        metinlerin dili: tr (Türkçe, varsayılan) ya da en"),
              std::string::npos);
}

TEST(English, LangMayStandAnywhereAndTakesTrOrEn) {
    const std::string file = examplePath("uc-denklem.txt");
    struct Case {
        std::vector<std::string> args;
        std::string env;
        int status;
        std::string firstOut, firstErr;
    };
    for (const Case& c : std::vector<Case>{
             {{"--lang", "en", "--method", "gauss", file}, "", 0, "Coefficient matrix", ""},
             {{"--method", "gauss", "--lang=en", file}, "", 0, "Coefficient matrix", ""},
             {{"--method", "gauss", file, "--lang", "tr"}, "", 0, "Katsayılar matrisi", ""},
             {{"--lang", "tr", "--lang", "en", file}, "", 0, "Coefficient matrix", ""},
             // Scripts keep their output whatever the environment speaks.
             {{file}, "LANG=en_US.UTF-8 LANGUAGE=en", 0, "Katsayılar matrisi", ""},
             {{"--method", "gauss", file, "--lang"}, "", 2, "", "lineer: --lang bir dil ister: tr ya da en"},
             {{"--lang=", file}, "", 2, "", "lineer: --lang bir dil ister: tr ya da en"},
             {{"--lang", "de", file}, "", 2, "", "lineer: bilinmeyen dil: de (tr ya da en olmalı)"},
             // After "--" and as another option's value it is a file name.
             {{"--", "--lang"}, "", 2, "", "Dosya açılamadı: --lang"},
             {{"--lang", "en", "--w", "--lang", file}, "", 0, "Coefficient matrix", ""},
         }) {
        const CliResult r = runLineer(c.args, c.env.empty() ? "LC_ALL=C.UTF-8" : c.env + " LC_ALL=C.UTF-8");
        std::string shown;
        for (const std::string& a : c.args) shown += a + " ";
        SCOPED_TRACE(shown);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.lines().empty() ? "" : r.lines()[0], c.firstOut);
        EXPECT_EQ(r.errLines().empty() ? "" : r.errLines()[0], c.firstErr);
    }
    // Turkish asked for is today's output to the byte.
    EXPECT_EQ(runLineer({"--lang", "tr", "--method", "gauss", file}).lines(), kUcDenklemGauss);
}

}  // namespace
}  // namespace lineer::test
